#pragma once

#include <QImage>
#include <QString>
#include <optional>

class QMimeData;
class QPagedPaintDevice;

namespace pr {
class RasterSurface;
}

namespace pr::window {

// The figure as it leaves the window: the plot square's pixels exactly as
// the raster holds them (never redrawn), and the plain text of the labels,
// which also rides in the image's PNG "Description" text.
struct Figure {
  QImage image;
  double twipsPerPixel;
  QString text;
};

Figure TakeFigure(const RasterSurface& raster, const QString& text);

// The image and the text for the clipboard: a word processor takes the
// picture (PNG, with its true size in dots per inch), a text field the numbers.
QMimeData* FigureMimeData(const Figure& figure);

// The file a chosen name is saved as: PNG or PDF by its extension; any other
// name gets ".png" added, so the file is what its name says.
QString FigureFileName(const QString& chosen);

// Writes the figure to `path` (already through FigureFileName): a PNG, or the
// printed page as a PDF. An existing file is replaced only by a complete new
// one. Returns the reason when the file could not be written.
std::optional<QString> SaveFigure(const Figure& figure, const QString& path);

// Paints the page onto a printer or PDF writer: the title line, the figure at
// its true size, the texts below. False when the device cannot be painted on.
bool PaintFigurePage(const Figure& figure, QPagedPaintDevice& device);

}  // namespace pr::window
