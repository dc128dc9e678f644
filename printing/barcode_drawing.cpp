#include "printing/barcode_drawing.h"

#include <algorithm>

int EffectiveBarHeight(int barHeight) {
    return std::max(barHeight, kMinimumBarHeight);
}

int EffectiveModuleWidth(int moduleWidth) {
    return std::max(moduleWidth, 1);
}

int PaintBarcodeModules(QImage& image, int x, int y, int barHeight, int moduleWidth, QRgb colour,
                        const std::string& modules) {
    const int width = static_cast<int>(modules.size()) * moduleWidth;
    const int top = std::max(y, 0);
    const int bottom = std::min(y + barHeight, image.height());
    for (int row = top; row < bottom; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (size_t m = 0; m < modules.size(); ++m) {
            const QRgb pixel = modules[m] == '1' ? colour : qRgb(255, 255, 255);
            const int left = std::max(x + static_cast<int>(m) * moduleWidth, 0);
            const int right = std::min(x + static_cast<int>(m + 1) * moduleWidth, image.width());
            std::fill(line + std::min(left, right), line + right, pixel);
        }
    }
    return width;
}

QImage RenderBarcode(Symbology symbology, QStringView text, int barHeight, int moduleWidth, QRgb colour) {
    const std::string modules = BarcodeModules(symbology, text);
    const int height = EffectiveBarHeight(barHeight);
    const int module = EffectiveModuleWidth(moduleWidth);
    QImage image(std::max(static_cast<int>(modules.size()) * module, 1), height, QImage::Format_RGB32);
    image.fill(Qt::white);
    PaintBarcodeModules(image, 0, 0, height, module, colour, modules);
    return image;
}
