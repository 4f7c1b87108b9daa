// Page 3, "平均值计算": sum of up to ten readings and the mean of those entered.
#include "pages/page_handlers.h"
#include "pages/page_tables.h"

namespace tessaril {
namespace {

using enum ControlKind;
using enum TextAlign;

// clang-format off
constexpr ControlSpec kControls[] = {
    // Results, and readings C7 to C10.
    {.name = "分组框8", .kind = GroupBox, .parent = nullptr,
     .left = 16, .top = 40, .width = 272, .height = 312,
     .text = "计算显示值", .font = kGuiFont},
    {.name = "标签29", .kind = Label, .parent = "分组框8",
     .left = 24, .top = 16, .width = 80, .height = 32,
     .text = "累加值", .align = Right},
    {.name = "编辑框35", .kind = ResultBox, .parent = "分组框8",
     .left = 128, .top = 16, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "累加值"},
    {.name = "透明标签21", .kind = TransparentLabel, .parent = "分组框8",
     .left = 40, .top = 64, .width = 64, .height = 24,
     .text = "平均值 C", .align = Right, .wrap = true},
    {.name = "透明标签20", .kind = TransparentLabel, .parent = "分组框8",
     .left = 96, .top = 48, .width = 16, .height = 16,
     .text = "_", .align = Left},
    {.name = "编辑框25", .kind = ResultBox, .parent = "分组框8",
     .left = 128, .top = 56, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "平均值 C"},
    {.name = "标签30", .kind = Label, .parent = "分组框8",
     .left = 56, .top = 96, .width = 48, .height = 32,
     .text = "C7", .align = Right},
    {.name = "编辑框24", .kind = InputBox, .parent = "分组框8",
     .left = 128, .top = 96, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "C7"},
    {.name = "标签28", .kind = Label, .parent = "分组框8",
     .left = 56, .top = 136, .width = 48, .height = 32,
     .text = "C8", .align = Right},
    {.name = "编辑框34", .kind = InputBox, .parent = "分组框8",
     .left = 128, .top = 136, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "C8"},
    {.name = "标签27", .kind = Label, .parent = "分组框8",
     .left = 56, .top = 176, .width = 48, .height = 32,
     .text = "C9", .align = Right},
    {.name = "编辑框33", .kind = InputBox, .parent = "分组框8",
     .left = 128, .top = 176, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "C9"},
    {.name = "标签1", .kind = Label, .parent = "分组框8",
     .left = 56, .top = 216, .width = 48, .height = 32,
     .text = "C10", .align = Right},
    {.name = "编辑框32", .kind = InputBox, .parent = "分组框8",
     .left = 128, .top = 216, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "C10"},
    {.name = "按钮5", .kind = Button, .parent = "分组框8",
     .left = 160, .top = 264, .width = 96, .height = 40,
     .text = "计算", .align = Centre, .font = kSong16Bold, .onClick = computeSumAndMean},
    {.name = "透明标签34", .kind = TransparentLabel, .parent = "分组框8",
     .left = 8, .top = 272, .width = 128, .height = 40,
     .text = "说明：依次输入数值C,输入几个自动几个计算平均值", .align = Left,
     .font = kSong12, .wrap = true, .grey = true},

    // Readings C1 to C6.
    {.name = "分组框9", .kind = GroupBox, .parent = nullptr,
     .left = 296, .top = 40, .width = 272, .height = 312,
     .text = "输入值", .font = kGuiFont},
    {.name = "标签26", .kind = Label, .parent = "分组框9",
     .left = 72, .top = 16, .width = 168, .height = 32,
     .text = "请输依次入试验数据", .align = Centre},
    {.name = "标签25", .kind = Label, .parent = "分组框9",
     .left = 48, .top = 56, .width = 48, .height = 32,
     .text = "C1", .align = Right},
    {.name = "标签24", .kind = Label, .parent = "分组框9",
     .left = 48, .top = 96, .width = 48, .height = 32,
     .text = "C2", .align = Right},
    {.name = "标签23", .kind = Label, .parent = "分组框9",
     .left = 48, .top = 136, .width = 48, .height = 32,
     .text = "C3", .align = Right},
    {.name = "标签22", .kind = Label, .parent = "分组框9",
     .left = 48, .top = 176, .width = 48, .height = 32,
     .text = "C4", .align = Right},
    {.name = "标签21", .kind = Label, .parent = "分组框9",
     .left = 48, .top = 216, .width = 48, .height = 32,
     .text = "C5", .align = Right},
    {.name = "标签20", .kind = Label, .parent = "分组框9",
     .left = 48, .top = 256, .width = 48, .height = 32,
     .text = "C6", .align = Right},
    {.name = "编辑框31", .kind = InputBox, .parent = "分组框9",
     .left = 120, .top = 56, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "C1"},
    {.name = "编辑框30", .kind = InputBox, .parent = "分组框9",
     .left = 120, .top = 96, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "C2"},
    {.name = "编辑框29", .kind = InputBox, .parent = "分组框9",
     .left = 120, .top = 136, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "C3"},
    {.name = "编辑框28", .kind = InputBox, .parent = "分组框9",
     .left = 120, .top = 176, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "C4"},
    {.name = "编辑框27", .kind = InputBox, .parent = "分组框9",
     .left = 120, .top = 216, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "C5"},
    {.name = "编辑框26", .kind = InputBox, .parent = "分组框9",
     .left = 120, .top = 256, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "C6"},
};
// clang-format on

// C1 to C10: six on the right, then four under the results.
constexpr BoxNames<10> kReadingBoxes{"编辑框31", "编辑框30", "编辑框29", "编辑框28", "编辑框27",
                                     "编辑框26", "编辑框24", "编辑框34", "编辑框33", "编辑框32"};

}  // namespace

const PageSpec& averagePage() {
    static constexpr PageSpec page{"平均值计算", kControls};
    return page;
}

void computeSumAndMean(QWidget& window) {
    const auto readings = readBoxReadings(window, kReadingBoxes);
    const auto [sum, mean] = sumAndMean(readings);
    writeBoxFixed(window, "编辑框35", sum);
    writeBoxFixed(window, "编辑框25", mean);
}

}  // namespace tessaril
