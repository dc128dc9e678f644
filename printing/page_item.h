#pragma once

#include <QRgb>
#include <QString>
#include <optional>

class TPrintAtOnce;

// One item of a page composed on the command line, in the words of the ticket layouts:
//   STR x y size style text     text (size in points, style bits 1 bold, 2 italic, 4 underline)
//   S90 x y size style text     text turned clockwise; S90F turned counter-clockwise
//   BAR x y module height type data    bar code of symbology type 1 to 7
//   BOX x1 y1 x2 y2             rectangle outline; ELL x1 y1 x2 y2 ellipse
// Positions in tenths of a millimetre; module width, bar height and turned size in pixels.
struct PageItem {
    enum class Kind { Text, TurnedDown, TurnedUp, Barcode, Box, Ellipse };
    Kind kind = Kind::Text;
    int x = 0;
    int y = 0;
    // Text: size, style. Barcode: module width, bar height. Box, ellipse: second corner.
    int first = 0;
    int second = 0;
    int symbology = 1;
    QString text;
};

// Parses one item; on failure returns nothing and says why in `error`.
std::optional<PageItem> ParsePageItem(const QString& spec, QString& error);

// Draws the item on the engine's page in the colour, in the engine's default font.
void DrawPageItem(TPrintAtOnce& engine, const PageItem& item, QRgb colour);
