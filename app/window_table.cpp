#include "app/window_table.h"

#include <QMetaObject>
#include <QWidget>

namespace tessaril {
namespace {

using enum ControlKind;
using enum TextAlign;

// clang-format off
constexpr ControlSpec kControls[] = {
    {.name = "透明标签29", .kind = TransparentLabel, .parent = nullptr,
     .left = 408, .top = 0, .width = 160, .height = 32,
     .text = "", .align = Left, .font = kGuiFont},
    {.name = "分组框3", .kind = GroupBox, .parent = nullptr,
     .left = 0, .top = 376, .width = 592, .height = 104,
     .text = "", .font = kGuiFont},

    {.name = "编辑框18", .kind = AboutBox, .parent = "分组框3",
     .left = 8, .top = 16, .width = 144, .height = 72,
     .text = "\r\n版本：V1.0\r\n语言：简体中文\r\n作者：林晓舟\r\n日期：2015年1月29日",
     .font = kSong12},
    {.name = "图片框2", .kind = PictureBox, .parent = "分组框3",
     .left = 184, .top = 16, .width = 88, .height = 80,
     .address = ":/logo.jpg"},
    {.name = "标签2", .kind = Label, .parent = "分组框3",
     .left = 280, .top = 16, .width = 128, .height = 24,
     .text = "Orvandel", .align = Left, .font = kGuiFont},
    {.name = "超级链接框2", .kind = Hyperlink, .parent = "分组框3",
     .left = 280, .top = 42, .width = 144, .height = 16,
     .text = "https://www.example.com", .align = Centre, .font = kGuiFont,
     .address = "https://www.example.com"},
    {.name = "超级链接框3", .kind = Hyperlink, .parent = "分组框3",
     .left = 280, .top = 56, .width = 136, .height = 24,
     .text = "E-mail:kf@example.com", .align = Centre, .font = kGuiFont,
     .address = "mailto:kf@example.com"},
    {.name = "透明标签4", .kind = TransparentLabel, .parent = "分组框3",
     .left = 280, .top = 80, .width = 160, .height = 16,
     .text = "服务电话：010-5550-1234", .align = Left, .font = kGuiFont},
    {.name = "透明标签33", .kind = TransparentLabel, .parent = "分组框3",
     .left = 432, .top = 16, .width = 32, .height = 16,
     .text = "星期：", .align = Left, .font = kGuiFont},
    {.name = "透明标签32", .kind = TransparentLabel, .parent = "分组框3",
     .left = 472, .top = 16, .width = 24, .height = 16,
     .text = "", .align = Left, .font = kGuiFont},
    {.name = "按钮2", .kind = Button, .parent = "分组框3",
     .left = 480, .top = 40, .width = 96, .height = 40,
     .text = "退出", .align = Centre, .font = kSong16Bold, .onClick = closeMainWindow},
};
// clang-format on

}  // namespace

std::span<const ControlSpec> windowTable() { return kControls; }

void closeMainWindow(QWidget& window) {
    QMetaObject::invokeMethod(&window, &QWidget::close, Qt::QueuedConnection);
}

}  // namespace tessaril
