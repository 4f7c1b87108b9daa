// Page 2, "零点/量程飘移": zero drift and span drift in % of range.
#include "pages/page_handlers.h"
#include "pages/page_tables.h"

namespace tessaril {
namespace {

using enum ControlKind;
using enum TextAlign;

// clang-format off
constexpr ControlSpec kControls[] = {
    // Results.
    {.name = "分组框6", .kind = GroupBox, .parent = nullptr,
     .left = 16, .top = 40, .width = 272, .height = 312,
     .text = "计算显示值", .font = kGuiFont},
    {.name = "编辑框17", .kind = ResultBox, .parent = "分组框6",
     .left = 128, .top = 56, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "零点飘移△Zi"},
    {.name = "编辑框16", .kind = ResultBox, .parent = "分组框6",
     .left = 128, .top = 104, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "量程飘移△Si"},
    {.name = "透明标签16", .kind = TransparentLabel, .parent = "分组框6",
     .left = 16, .top = 60, .width = 104, .height = 24,
     .text = "零点飘移△Zi", .align = Centre, .wrap = true},
    {.name = "透明标签9", .kind = TransparentLabel, .parent = "分组框6",
     .left = 16, .top = 108, .width = 104, .height = 24,
     .text = "量程飘移△Si", .align = Centre, .wrap = true},
    {.name = "透明标签17", .kind = TransparentLabel, .parent = "分组框6",
     .left = 240, .top = 64, .width = 24, .height = 24,
     .text = "%", .align = Centre, .wrap = true},
    {.name = "透明标签6", .kind = TransparentLabel, .parent = "分组框6",
     .left = 240, .top = 112, .width = 24, .height = 24,
     .text = "%", .align = Centre, .wrap = true},
    {.name = "按钮4", .kind = Button, .parent = "分组框6",
     .left = 152, .top = 192, .width = 96, .height = 40,
     .text = "计算", .align = Centre, .font = kSong16Bold, .onClick = computeZeroSpanDrift},

    // Zero and span readings at start and end, and the range.
    {.name = "分组框7", .kind = GroupBox, .parent = nullptr,
     .left = 296, .top = 40, .width = 272, .height = 312,
     .text = "输入值", .font = kGuiFont},
    {.name = "标签19", .kind = Label, .parent = "分组框7",
     .left = 72, .top = 16, .width = 168, .height = 32,
     .text = "请输依次入试验数据", .align = Centre},
    {.name = "标签18", .kind = Label, .parent = "分组框7",
     .left = 16, .top = 56, .width = 88, .height = 32,
     .text = "零点示值Z0", .align = Right},
    {.name = "标签17", .kind = Label, .parent = "分组框7",
     .left = 16, .top = 96, .width = 88, .height = 32,
     .text = "零点示值Zi", .align = Right},
    {.name = "标签16", .kind = Label, .parent = "分组框7",
     .left = 24, .top = 136, .width = 80, .height = 32,
     .text = "测量示值S0", .align = Right},
    {.name = "标签11", .kind = Label, .parent = "分组框7",
     .left = 24, .top = 176, .width = 80, .height = 32,
     .text = "测量示值Si", .align = Right},
    {.name = "标签10", .kind = Label, .parent = "分组框7",
     .left = 24, .top = 216, .width = 80, .height = 32,
     .text = "仪表量程R", .align = Right},
    {.name = "编辑框23", .kind = InputBox, .parent = "分组框7",
     .left = 120, .top = 56, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "零点示值Z0"},
    {.name = "编辑框22", .kind = InputBox, .parent = "分组框7",
     .left = 120, .top = 96, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "零点示值Zi"},
    {.name = "编辑框21", .kind = InputBox, .parent = "分组框7",
     .left = 120, .top = 136, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "测量示值S0"},
    {.name = "编辑框20", .kind = InputBox, .parent = "分组框7",
     .left = 120, .top = 176, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "测量示值Si"},
    {.name = "编辑框19", .kind = InputBox, .parent = "分组框7",
     .left = 120, .top = 216, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "仪表量程R"},
};
// clang-format on

// Z0, Zi, S0, Si, R.
constexpr BoxNames<5> kInputBoxes{"编辑框23", "编辑框22", "编辑框21", "编辑框20", "编辑框19"};

}  // namespace

const PageSpec& zeroSpanDriftPage() {
    static constexpr PageSpec page{"零点/量程飘移", kControls};
    return page;
}

void computeZeroSpanDrift(QWidget& window) {
    const auto [z0, zi, s0, si, range] = readBoxNumbers(window, kInputBoxes);
    const auto [zeroDrift, spanDrift] = zeroSpanDrift(z0, zi, s0, si, range);
    writeBoxFixed(window, "编辑框17", zeroDrift);
    writeBoxFixed(window, "编辑框16", spanDrift);
}

}  // namespace tessaril
