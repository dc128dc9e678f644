#pragma once

#include <QImage>
#include <QStringView>
#include <string>

#include "printing/barcode_symbology.h"

// Bars shorter than this are raised to it; narrower modules than one pixel are raised to one.
inline constexpr int kMinimumBarHeight = 9;

int EffectiveBarHeight(int barHeight);
int EffectiveModuleWidth(int moduleWidth);

// Paints modules ('1' bar, '0' space) as filled rectangles from (x, y), each module
// `moduleWidth` pixels wide and `barHeight` high: bars in `colour`, spaces white. Parts outside
// the image are clipped. Returns the total width in pixels. The image is 32-bit RGB.
int PaintBarcodeModules(QImage& image, int x, int y, int barHeight, int moduleWidth, QRgb colour,
                        const std::string& modules);

// One symbol on a white image exactly its own size (no margin beyond the symbology's quiet zones).
QImage RenderBarcode(Symbology symbology, QStringView text, int barHeight, int moduleWidth, QRgb colour);
