// One row of a layout table: what a control is, where it sits and what it
// shows. Pages and the bottom panel are tables of these, built by one builder.
#pragma once

class QWidget;

namespace tessaril {

enum class ControlKind {
    GroupBox,
    Label,             // opaque, face colour behind the text
    TransparentLabel,  // draws only its text
    Button,
    InputBox,
    ResultBox,
    AboutBox,
    PictureBox,
    Hyperlink,
};

enum class TextAlign { Left, Centre, Right };

// "宋体" at a pixel height, or the desktop's GUI font.
struct FontSpec {
    int pixelSize = 16;
    bool bold = false;
    bool guiFont = false;
};

inline constexpr FontSpec kGuiFont{0, false, true};
inline constexpr FontSpec kSong12{12, false, false};
inline constexpr FontSpec kSong14{14, false, false};
inline constexpr FontSpec kSong16{16, false, false};
inline constexpr FontSpec kSong16Bold{16, true, false};
inline constexpr FontSpec kSong20Bold{20, true, false};

// Click handler of a "计算" button; window is the top-level window, in which
// the handler finds its boxes by objectName.
using ClickHandler = void (*)(QWidget& window);

struct ControlSpec {
    const char* name;    // Qt objectName
    ControlKind kind;
    const char* parent;  // objectName of the enclosing group box; nullptr: the page itself
    int left;
    int top;
    int width;
    int height;
    const char* text = "";  // UTF-8; "\r\n" breaks a line
    TextAlign align = TextAlign::Left;
    FontSpec font = kSong16;
    bool wrap = false;
    bool grey = false;                     // transparent label in #808080
    ClickHandler onClick = nullptr;        // buttons
    const char* accessibleName = nullptr;  // boxes: what the label beside them says
    // Hyperlinks: what a click opens. Picture box: the picture's resource path.
    const char* address = nullptr;
};

}  // namespace tessaril
