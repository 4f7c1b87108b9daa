// Page 0, "测量重复性": mean and relative standard deviation of up to six readings.
#include "pages/page_handlers.h"
#include "pages/page_tables.h"

namespace tessaril {
namespace {

using enum ControlKind;
using enum TextAlign;

// clang-format off
constexpr ControlSpec kControls[] = {
    // Results.
    {.name = "分组框2", .kind = GroupBox, .parent = nullptr,
     .left = 16, .top = 40, .width = 272, .height = 312,
     .text = "计算显示值", .font = kGuiFont},
    {.name = "编辑框1", .kind = ResultBox, .parent = "分组框2",
     .left = 128, .top = 56, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "平均值 C"},
    {.name = "编辑框2", .kind = ResultBox, .parent = "分组框2",
     .left = 128, .top = 104, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "S r"},
    {.name = "透明标签3", .kind = TransparentLabel, .parent = "分组框2",
     .left = 48, .top = 64, .width = 64, .height = 24,
     .text = "平均值 C", .align = Centre, .wrap = true},
    {.name = "透明标签7", .kind = TransparentLabel, .parent = "分组框2",
     .left = 104, .top = 48, .width = 16, .height = 16,
     .text = "_", .align = Left},
    {.name = "透明标签1", .kind = TransparentLabel, .parent = "分组框2",
     .left = 8, .top = 104, .width = 112, .height = 40,
     .text = "相对标准偏差\r\n（重复性）S  ", .align = Centre, .wrap = true},
    {.name = "透明标签8", .kind = TransparentLabel, .parent = "分组框2",
     .left = 96, .top = 128, .width = 16, .height = 16,
     .text = "r", .align = Centre, .font = kSong12, .wrap = true},
    {.name = "透明标签5", .kind = TransparentLabel, .parent = "分组框2",
     .left = 240, .top = 112, .width = 24, .height = 24,
     .text = "%", .align = Centre, .wrap = true},
    {.name = "按钮1", .kind = Button, .parent = "分组框2",
     .left = 152, .top = 192, .width = 96, .height = 40,
     .text = "计算", .align = Centre, .font = kSong16Bold, .onClick = computeRepeatability},

    // Readings C1 to C6.
    {.name = "分组框1", .kind = GroupBox, .parent = nullptr,
     .left = 296, .top = 40, .width = 272, .height = 312,
     .text = "输入值", .font = kGuiFont},
    {.name = "标签3", .kind = Label, .parent = "分组框1",
     .left = 72, .top = 16, .width = 168, .height = 32,
     .text = "请输依次入试验数据", .align = Centre},
    {.name = "标签4", .kind = Label, .parent = "分组框1",
     .left = 64, .top = 56, .width = 48, .height = 32,
     .text = "C1", .align = Centre},
    {.name = "标签5", .kind = Label, .parent = "分组框1",
     .left = 64, .top = 96, .width = 48, .height = 32,
     .text = "C2", .align = Centre},
    {.name = "标签6", .kind = Label, .parent = "分组框1",
     .left = 64, .top = 136, .width = 48, .height = 32,
     .text = "C3", .align = Centre},
    {.name = "标签7", .kind = Label, .parent = "分组框1",
     .left = 64, .top = 176, .width = 48, .height = 32,
     .text = "C4", .align = Centre},
    {.name = "标签8", .kind = Label, .parent = "分组框1",
     .left = 64, .top = 216, .width = 48, .height = 32,
     .text = "C5", .align = Centre},
    {.name = "标签9", .kind = Label, .parent = "分组框1",
     .left = 64, .top = 256, .width = 48, .height = 32,
     .text = "C6", .align = Centre},
    {.name = "编辑框3", .kind = InputBox, .parent = "分组框1",
     .left = 120, .top = 56, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "C1"},
    {.name = "编辑框4", .kind = InputBox, .parent = "分组框1",
     .left = 120, .top = 96, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "C2"},
    {.name = "编辑框5", .kind = InputBox, .parent = "分组框1",
     .left = 120, .top = 136, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "C3"},
    {.name = "编辑框6", .kind = InputBox, .parent = "分组框1",
     .left = 120, .top = 176, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "C4"},
    {.name = "编辑框7", .kind = InputBox, .parent = "分组框1",
     .left = 120, .top = 216, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "C5"},
    {.name = "编辑框8", .kind = InputBox, .parent = "分组框1",
     .left = 120, .top = 256, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "C6"},
};
// clang-format on

constexpr BoxNames<6> kReadingBoxes{"编辑框3", "编辑框4", "编辑框5",
                                    "编辑框6", "编辑框7", "编辑框8"};

}  // namespace

const PageSpec& repeatabilityPage() {
    static constexpr PageSpec page{"测量重复性", kControls};
    return page;
}

void computeRepeatability(QWidget& window) {
    const auto readings = readBoxReadings(window, kReadingBoxes);
    const auto [mean, relativeDeviation] = repeatability(readings);
    writeBoxFixed(window, "编辑框1", mean);
    writeBoxFixed(window, "编辑框2", relativeDeviation);
}

}  // namespace tessaril
