#include "window/FigureExport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QMimeData>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStringList>
#include <cmath>

#include "core/figure/FigurePage.h"
#include "core/form/FormLayout.h"
#include "core/form/Twips.h"
#include "core/surface/RasterSurface.h"
#include "plot/FigurePixels.h"
#include "window/FormFont.h"
#include "window/QtText.h"

namespace pr::window {
namespace {

using namespace figure;

constexpr char kDescriptionKey[] = "Description";

QByteArray PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

std::optional<QString> WritePng(const Figure& figure, QSaveFile& file) {
  QImageWriter writer(&file, "png");
  if (!writer.write(figure.image)) return writer.errorString();
  return std::nullopt;
}

std::optional<QString> WritePdf(const Figure& figure, QSaveFile& file) {
  QPdfWriter pdf(&file);
  pdf.setTitle(FromView(layout::kProgramTitle));
  pdf.setCreator(FromView(layout::kProgramTitle));
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageMargins(QMarginsF(kFileMarginMm, kFileMarginMm, kFileMarginMm, kFileMarginMm), QPageLayout::Millimeter);
  if (!PaintFigurePage(figure, pdf)) return file.errorString();
  return std::nullopt;
}

bool IsPdf(const QString& path) { return QFileInfo(path).suffix().compare("pdf", Qt::CaseInsensitive) == 0; }
bool IsPng(const QString& path) { return QFileInfo(path).suffix().compare("png", Qt::CaseInsensitive) == 0; }

// Millimetres as device pixels of a paint device.
double DevicePixels(double millimetres, const QPaintDevice& device) {
  return millimetres / kMillimetresPerInch * device.logicalDpiY();
}

}  // namespace

Figure TakeFigure(const RasterSurface& raster, const QString& text) {
  const PixelRect square = FigurePixels(raster);
  // Wraps the raster's own words, then copies the square out of them.
  const QImage whole(reinterpret_cast<const uchar*>(raster.Data()), raster.Width(), raster.Height(),
                     raster.BytesPerLine(), QImage::Format_RGB32);
  QImage image = whole.copy(square.x, square.y, square.width, square.height);
  // Pasted into a document, the picture keeps the size it has on the screen.
  const int dotsPerMetre =
      static_cast<int>(std::lround(kTwipsPerInch / raster.TwipsPerPixel() / kMillimetresPerInch * 1000.0));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  image.setText(QString::fromLatin1(kDescriptionKey), text);
  return {image, raster.TwipsPerPixel(), text};
}

QMimeData* FigureMimeData(const Figure& figure) {
  auto* data = new QMimeData;
  data->setData(QStringLiteral("image/png"), PngBytes(figure.image));
  data->setText(figure.text);
  return data;
}

QString FigureFileName(const QString& chosen) {
  if (IsPng(chosen) || IsPdf(chosen)) return chosen;
  return chosen + QStringLiteral(".png");
}

std::optional<QString> SaveFigure(const Figure& figure, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  std::optional<QString> failure = IsPdf(path) ? WritePdf(figure, file) : WritePng(figure, file);
  if (failure) {
    file.cancelWriting();
    return failure;
  }
  if (!file.commit()) return file.errorString();
  return std::nullopt;
}

bool PaintFigurePage(const Figure& figure, QPagedPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  double y = 0;

  painter.setFont(FormFont(kTitlePoints));
  y += painter.fontMetrics().ascent();
  painter.drawText(QPointF(0, y), FromView(layout::kProgramTitle));
  y += painter.fontMetrics().descent() + DevicePixels(kTitleGapMm, device);

  // Every raster pixel keeps its size in twips; no smoothing and no lossy
  // compression (the PDF writer would otherwise store a JPEG), so on paper
  // the dots stay as sharp and their colours as exact as on the screen.
  const double pixelSide = figure.twipsPerPixel / kTwipsPerInch * device.logicalDpiY();
  const QRectF square(0, y, figure.image.width() * pixelSide, figure.image.height() * pixelSide);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.setRenderHint(QPainter::LosslessImageRendering, true);
  painter.drawImage(square, figure.image);
  y = square.bottom() + DevicePixels(kTextGapMm, device);

  // The working's steps are longer than the page is wide: each line wraps
  // at the margin, and what does not fit goes on to a new page.
  painter.setFont(FormFont(layout::kFormFontPoints));
  const double width = device.width();
  for (const QString& line : figure.text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    const QRectF needed = painter.boundingRect(QRectF(0, 0, width, device.height()), Qt::TextWordWrap, line);
    if (y + needed.height() > device.height() && y > 0) {
      if (!device.newPage()) return false;
      y = 0;
    }
    painter.drawText(QRectF(0, y, width, needed.height()), Qt::TextWordWrap, line);
    y += needed.height();
  }
  return painter.end();
}

}  // namespace pr::window
