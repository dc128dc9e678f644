#pragma once

#include <QSize>
#include <QStringList>

// Paper of the driver printer. The T variants are the same sheet turned. Sizes are in tenths of
// a millimetre; Default is the printer's own size and Custom the engine's current width and height.
enum class TPaperSize {
    Default,
    A3,
    A3T,
    A4,
    A4T,
    A5,
    A5T,
    B4,
    B4T,
    B5,
    B5T,
    K16,
    K16T,
    K32,
    K32T,
    K32Big,
    K32BigT,
    Custom,
};

// The names in the order of the enumeration, as the preview lists them.
const QStringList& PaperSizeNames();
// Width × height of a table size; an empty size for Default and Custom.
QSize PaperSizeTenths(TPaperSize paper);
