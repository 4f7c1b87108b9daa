// Page 1, "示值误差": mean of up to three readings and the indication error in % of range.
#include "pages/page_handlers.h"
#include "pages/page_tables.h"

namespace tessaril {
namespace {

using enum ControlKind;
using enum TextAlign;

// clang-format off
constexpr ControlSpec kControls[] = {
    // Results.
    {.name = "分组框4", .kind = GroupBox, .parent = nullptr,
     .left = 16, .top = 40, .width = 272, .height = 312,
     .text = "计算显示值", .font = kGuiFont},
    {.name = "编辑框9", .kind = ResultBox, .parent = "分组框4",
     .left = 128, .top = 56, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "平均值 C"},
    {.name = "编辑框10", .kind = ResultBox, .parent = "分组框4",
     .left = 128, .top = 104, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "示值误差△C"},
    {.name = "透明标签11", .kind = TransparentLabel, .parent = "分组框4",
     .left = 48, .top = 64, .width = 64, .height = 24,
     .text = "平均值 C", .align = Centre, .wrap = true},
    {.name = "透明标签10", .kind = TransparentLabel, .parent = "分组框4",
     .left = 104, .top = 48, .width = 16, .height = 16,
     .text = "_", .align = Left},
    {.name = "透明标签12", .kind = TransparentLabel, .parent = "分组框4",
     .left = 24, .top = 104, .width = 96, .height = 32,
     .text = "示值误差△C", .align = Left},
    {.name = "透明标签2", .kind = TransparentLabel, .parent = "分组框4",
     .left = 240, .top = 112, .width = 24, .height = 24,
     .text = "%", .align = Centre, .wrap = true},
    {.name = "按钮3", .kind = Button, .parent = "分组框4",
     .left = 152, .top = 192, .width = 96, .height = 40,
     .text = "计算", .align = Centre, .font = kSong16Bold, .onClick = computeIndicationError},

    // Readings C1 to C3, standard value and range.
    {.name = "分组框5", .kind = GroupBox, .parent = nullptr,
     .left = 296, .top = 40, .width = 272, .height = 312,
     .text = "输入值", .font = kGuiFont},
    {.name = "标签15", .kind = Label, .parent = "分组框5",
     .left = 72, .top = 16, .width = 168, .height = 32,
     .text = "请输依次入试验数据", .align = Centre},
    {.name = "标签14", .kind = Label, .parent = "分组框5",
     .left = 64, .top = 56, .width = 48, .height = 32,
     .text = "C1", .align = Centre},
    {.name = "标签13", .kind = Label, .parent = "分组框5",
     .left = 64, .top = 96, .width = 48, .height = 32,
     .text = "C2", .align = Centre},
    {.name = "标签12", .kind = Label, .parent = "分组框5",
     .left = 64, .top = 136, .width = 48, .height = 32,
     .text = "C3", .align = Centre},
    {.name = "透明标签14", .kind = TransparentLabel, .parent = "分组框5",
     .left = 48, .top = 176, .width = 56, .height = 32,
     .text = "标准值", .align = Right},
    {.name = "透明标签15", .kind = TransparentLabel, .parent = "分组框5",
     .left = 24, .top = 216, .width = 80, .height = 32,
     .text = "仪表量程R", .align = Right},
    {.name = "编辑框11", .kind = InputBox, .parent = "分组框5",
     .left = 120, .top = 56, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "C1"},
    {.name = "编辑框12", .kind = InputBox, .parent = "分组框5",
     .left = 120, .top = 96, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "C2"},
    {.name = "编辑框13", .kind = InputBox, .parent = "分组框5",
     .left = 120, .top = 136, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "C3"},
    {.name = "编辑框14", .kind = InputBox, .parent = "分组框5",
     .left = 120, .top = 176, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "标准值"},
    {.name = "编辑框15", .kind = InputBox, .parent = "分组框5",
     .left = 120, .top = 216, .width = 112, .height = 32,
     .align = Centre, .font = kSong20Bold, .accessibleName = "仪表量程R"},
};
// clang-format on

constexpr BoxNames<3> kReadingBoxes{"编辑框11", "编辑框12", "编辑框13"};
constexpr BoxNames<2> kStandardAndRangeBoxes{"编辑框14", "编辑框15"};

}  // namespace

const PageSpec& indicationErrorPage() {
    static constexpr PageSpec page{"示值误差", kControls};
    return page;
}

void computeIndicationError(QWidget& window) {
    const auto readings = readBoxReadings(window, kReadingBoxes);
    const auto [standardValue, range] = readBoxNumbers(window, kStandardAndRangeBoxes);
    const auto [mean, errorPercent] = indicationError(readings, standardValue, range);
    writeBoxFixed(window, "编辑框9", mean);
    writeBoxFixed(window, "编辑框10", errorPercent);
}

}  // namespace tessaril
