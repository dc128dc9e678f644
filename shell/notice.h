#pragma once

#include <QString>

class NoticeWindow;

// Kinds of corner notice.
enum NoticeKind { kNoticeError = 0, kNoticeWarning = 1, kNoticeInfo = 2, kNoticeInfoPlain = 3 };

// Pops up a notice in the bottom right corner of the screen and returns at once. The notice slides
// in, stays for its display time, slides out and frees itself; a click sends it away at once.
// Notices on screen together are stacked above each other. An empty text is refused with an
// error box and gives nullptr.
NoticeWindow* ShowNotice(int kind, const QString& text);
