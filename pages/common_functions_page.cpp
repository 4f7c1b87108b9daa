// Page 4, "常用函数计算": five small calculators, each with its own boxes and button.
#include "pages/page_handlers.h"
#include "pages/page_tables.h"

namespace tessaril {
namespace {

using enum ControlKind;
using enum TextAlign;

// clang-format off
constexpr ControlSpec kControls[] = {
    // The group boxes, and the marks laid over their titles.
    {.name = "透明标签23", .kind = TransparentLabel, .parent = nullptr,
     .left = 304, .top = 192, .width = 16, .height = 24,
     .text = "a", .align = Right, .font = kSong14},
    {.name = "分组框14", .kind = GroupBox, .parent = nullptr,
     .left = 200, .top = 192, .width = 176, .height = 176,
     .text = "求通用对数 t＝log  b   ", .font = kGuiFont},
    {.name = "分组框13", .kind = GroupBox, .parent = nullptr,
     .left = 392, .top = 192, .width = 176, .height = 176,
     .text = "求反自然对数 Z＝lnx   ", .font = kGuiFont},
    {.name = "透明标签31", .kind = TransparentLabel, .parent = nullptr,
     .left = 288, .top = 32, .width = 24, .height = 16,
     .text = "—", .align = Right},
    {.name = "分组框12", .kind = GroupBox, .parent = nullptr,
     .left = 392, .top = 40, .width = 176, .height = 144,
     .text = "求自然对数 Z＝lnx   ", .font = kGuiFont},
    {.name = "分组框11", .kind = GroupBox, .parent = nullptr,
     .left = 200, .top = 40, .width = 176, .height = 144,
     .text = "求平方根 Z＝   X", .font = kGuiFont},
    {.name = "透明标签18", .kind = TransparentLabel, .parent = nullptr,
     .left = 88, .top = 32, .width = 16, .height = 16,
     .text = "y", .align = Left, .font = kSong12},
    {.name = "分组框10", .kind = GroupBox, .parent = nullptr,
     .left = 8, .top = 40, .width = 176, .height = 328,
     .text = "求次方 Z＝X   ", .font = kGuiFont},

    // Power.
    {.name = "编辑框36", .kind = ResultBox, .parent = "分组框10",
     .left = 8, .top = 24, .width = 160, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "Z"},
    {.name = "透明标签19", .kind = TransparentLabel, .parent = "分组框10",
     .left = 16, .top = 68, .width = 16, .height = 24,
     .text = "x", .align = Right},
    {.name = "编辑框37", .kind = InputBox, .parent = "分组框10",
     .left = 40, .top = 64, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "x"},
    {.name = "透明标签22", .kind = TransparentLabel, .parent = "分组框10",
     .left = 16, .top = 108, .width = 16, .height = 24,
     .text = "y", .align = Right},
    {.name = "编辑框38", .kind = InputBox, .parent = "分组框10",
     .left = 40, .top = 104, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "y"},
    {.name = "按钮6", .kind = Button, .parent = "分组框10",
     .left = 48, .top = 152, .width = 88, .height = 32,
     .text = "计算", .align = Centre, .font = kSong14, .onClick = computePower},
    {.name = "透明标签13", .kind = TransparentLabel, .parent = "分组框10",
     .left = 16, .top = 208, .width = 152, .height = 112,
     .text = "说明：\r\n"
             "　1.输入要计算的数值后按对应的计算键，数据就算出来了！\r\n"
             "　2.在计算结果中如果有数值比较长，显示窗口显示不全，"
             "可以用鼠标点击显示窗口，长按左键向右拖动就可以看清全部数值了！",
     .align = Left, .font = kSong12, .wrap = true, .grey = true},

    // Square root.
    {.name = "编辑框41", .kind = ResultBox, .parent = "分组框11",
     .left = 8, .top = 24, .width = 160, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "Z"},
    {.name = "透明标签24", .kind = TransparentLabel, .parent = "分组框11",
     .left = 80, .top = -8, .width = 16, .height = 24,
     .text = "√", .align = Right, .font = kSong14},
    {.name = "透明标签26", .kind = TransparentLabel, .parent = "分组框11",
     .left = 8, .top = 68, .width = 16, .height = 24,
     .text = "x", .align = Right},
    {.name = "编辑框40", .kind = InputBox, .parent = "分组框11",
     .left = 40, .top = 64, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "x"},
    {.name = "按钮7", .kind = Button, .parent = "分组框11",
     .left = 48, .top = 104, .width = 80, .height = 32,
     .text = "计算", .align = Centre, .font = kSong14, .onClick = computeSquareRoot},

    // Natural logarithm.
    {.name = "编辑框42", .kind = ResultBox, .parent = "分组框12",
     .left = 8, .top = 24, .width = 160, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "Z"},
    {.name = "透明标签30", .kind = TransparentLabel, .parent = "分组框12",
     .left = 8, .top = 68, .width = 16, .height = 24,
     .text = "x", .align = Right},
    {.name = "编辑框39", .kind = InputBox, .parent = "分组框12",
     .left = 40, .top = 64, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "x"},
    {.name = "按钮8", .kind = Button, .parent = "分组框12",
     .left = 48, .top = 104, .width = 88, .height = 32,
     .text = "计算", .align = Centre, .font = kSong14, .onClick = computeNaturalLog},

    // Natural antilogarithm.
    {.name = "编辑框43", .kind = ResultBox, .parent = "分组框13",
     .left = 8, .top = 24, .width = 160, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "x"},
    {.name = "透明标签28", .kind = TransparentLabel, .parent = "分组框13",
     .left = 16, .top = 64, .width = 16, .height = 24,
     .text = "Z", .align = Right},
    {.name = "编辑框44", .kind = InputBox, .parent = "分组框13",
     .left = 40, .top = 64, .width = 112, .height = 24,
     .align = Centre, .font = kSong20Bold, .accessibleName = "Z"},
    {.name = "按钮9", .kind = Button, .parent = "分组框13",
     .left = 48, .top = 128, .width = 88, .height = 32,
     .text = "计算", .align = Centre, .font = kSong14, .onClick = computeNaturalAntilog},

    // Logarithm to a base.
    {.name = "编辑框45", .kind = ResultBox, .parent = "分组框14",
     .left = 8, .top = 24, .width = 160, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "t"},
    {.name = "透明标签25", .kind = TransparentLabel, .parent = "分组框14",
     .left = 8, .top = 64, .width = 16, .height = 24,
     .text = "a", .align = Right},
    {.name = "编辑框46", .kind = InputBox, .parent = "分组框14",
     .left = 40, .top = 64, .width = 112, .height = 24,
     .align = Centre, .font = kSong20Bold, .accessibleName = "a"},
    {.name = "透明标签27", .kind = TransparentLabel, .parent = "分组框14",
     .left = 8, .top = 96, .width = 16, .height = 24,
     .text = "b", .align = Right},
    {.name = "编辑框47", .kind = InputBox, .parent = "分组框14",
     .left = 40, .top = 96, .width = 112, .height = 24,
     .align = Centre, .font = kSong20Bold, .accessibleName = "b"},
    {.name = "按钮10", .kind = Button, .parent = "分组框14",
     .left = 48, .top = 128, .width = 88, .height = 32,
     .text = "计算", .align = Centre, .font = kSong14, .onClick = computeLogBase},
};
// clang-format on

}  // namespace

const PageSpec& commonFunctionsPage() {
    static constexpr PageSpec page{"常用函数计算", kControls};
    return page;
}

// Each calculator reads only its own input boxes and writes only its own result box.

void computePower(QWidget& window) {
    const auto [x, y] = readBoxNumbers(window, BoxNames<2>{"编辑框37", "编辑框38"});
    writeBoxGeneral(window, "编辑框36", power(x, y));
}

void computeSquareRoot(QWidget& window) {
    const double x = readBoxNumber(boxNamed(window, "编辑框40"));
    writeBoxGeneral(window, "编辑框41", squareRoot(x));
}

void computeNaturalLog(QWidget& window) {
    const double x = readBoxNumber(boxNamed(window, "编辑框39"));
    writeBoxGeneral(window, "编辑框42", naturalLog(x));
}

void computeNaturalAntilog(QWidget& window) {
    const double z = readBoxNumber(boxNamed(window, "编辑框44"));
    writeBoxGeneral(window, "编辑框43", naturalAntilog(z));
}

void computeLogBase(QWidget& window) {
    const auto [base, value] = readBoxNumbers(window, BoxNames<2>{"编辑框46", "编辑框47"});
    writeBoxGeneral(window, "编辑框45", logBase(base, value));
}

}  // namespace tessaril
