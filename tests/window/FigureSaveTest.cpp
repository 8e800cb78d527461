// The figure saved from Form1, in process on Qt's offscreen platform at
// 96 DPI: the PNG holds the raster's plot square and the labels' texts, the
// PDF page the same square at its true size with the texts below it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRect>
#include <QTemporaryDir>
#include <string>

#include "core/form/ErrorReporter.h"
#include "plot/FigurePixels.h"
#include "window/FigureExport.h"
#include "window/Form1.h"

namespace pr::window {
namespace {

class IgnoringReporter final : public ErrorReporter {
 public:
  void Report(const std::string&) override {}
};

// Runs a command-line tool; its standard output, or a failed test.
QByteArray RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
  EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": " << process.readAllStandardError().toStdString();
  return process.readAllStandardOutput();
}

QString Words(const QString& text) { return text.simplified(); }

// The size of the box around every pixel of `colour` on the page: the
// figure's background, found nowhere else on white paper.
QSize BoxOf(const QImage& page, QRgb colour) {
  QRect box;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if ((page.pixel(x, y) & 0xFFFFFF) == colour) box |= QRect(x, y, 1, 1);
  return box.size();
}

class FigureSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.show();
    QApplication::processEvents();
    // P1's x reads as 2 (the comma ends the number); the others as typed.
    const char* typed[][3] = {{"Text1", "0", "2,5"}, {"Text2", "0", "1"}, {"Text1", "1", "-3"},
                              {"Text2", "1", "4"},   {"Text1", "2", "5"}, {"Text2", "2", "-2"}};
    for (const auto& box : typed) static_cast<QLineEdit*>(form.Control(box[0], std::stoi(box[1])))->setText(box[2]);
    static_cast<QLineEdit*>(form.Control("Text4"))->setText("10");
    for (const char* command : {"Command1", "Command2"}) static_cast<QPushButton*>(form.Control(command))->click();
    QApplication::processEvents();
  }

  QString Caption(const char* label) const { return static_cast<QLabel*>(form.Control(label))->text(); }

  IgnoringReporter reporter;
  Form1 form{reporter};
  QTemporaryDir folder;
};

TEST_F(FigureSaveTest, PngHoldsThePlotSquareAndTheLabelTexts) {
  const QString path = folder.filePath("figura.png");
  ASSERT_FALSE(SaveFigure(form.CurrentFigure(), path).has_value());

  const QImage saved(path);
  const PixelRect square = figure::FigurePixels(form.Raster());
  ASSERT_EQ(saved.size(), QSize(square.width, square.height));
  int differing = 0;
  for (int y = 0; y < square.height; ++y)
    for (int x = 0; x < square.width; ++x)
      differing += (saved.pixel(x, y) & 0xFFFFFF) != (form.Raster().Data()[y * form.Raster().Width() + x] & 0xFFFFFF);
  EXPECT_EQ(differing, 0);

  const QString description = saved.text("Description");
  for (const char* typed : {"\"2,5\"", "\"-3\"", "\"-2\"", "\"10\""}) EXPECT_TRUE(description.contains(typed)) << typed;
  for (const char* label : {"Label3", "Label4", "Label5", "Label17", "Label19"}) {
    ASSERT_FALSE(Caption(label).trimmed().isEmpty()) << label;
    EXPECT_TRUE(description.contains(Caption(label).trimmed())) << label << ": " << description.toStdString();
  }
  // The working, with its √, ², − and ≈, comes back whole from the PNG.
  const QString working = QString::fromStdString(working::WorkingText(form.LastWorking()));
  ASSERT_TRUE(working.contains(QStringLiteral("m' = −1/m")));
  EXPECT_TRUE(description.endsWith("Procedimento\n" + working)) << description.toStdString();
}

TEST_F(FigureSaveTest, PdfPageShowsTheFigureAtItsTrueSizeAndTheEquation) {
  const QString path = folder.filePath("figura.pdf");
  ASSERT_FALSE(SaveFigure(form.CurrentFigure(), path).has_value());

  // Without anti-aliasing no grey of the text edges can pass for the figure's.
  RunTool("pdftoppm",
          {"-r", "300", "-aa", "no", "-aaVector", "no", "-png", "-singlefile", path, folder.filePath("page")});
  const QImage page(folder.filePath("page.png"));
  ASSERT_FALSE(page.isNull());
  // 6400 twips = 4.44 in = 1333 pixels at 300 DPI.
  const QSize side = BoxOf(page, ToRgb32(form.Raster().Background()) & 0xFFFFFF);
  EXPECT_NEAR(side.width(), 1333, 2);
  EXPECT_NEAR(side.height(), 1333, 2);

  const QString text = QString::fromUtf8(RunTool("pdftotext", {path, "-"}));
  EXPECT_TRUE(Words(text).contains("Punti e rette"));
  EXPECT_TRUE(Words(text).contains(Words(Caption("Label19")))) << text.toStdString();
  // The working's lines, wrapped at the page's width, all on the page.
  const QString working = QString::fromStdString(working::WorkingText(form.LastWorking()));
  EXPECT_TRUE(Words(text).contains(Words("Procedimento\n" + working))) << text.toStdString();
}

TEST_F(FigureSaveTest, AFailedSaveSaysWhy) {
  EXPECT_TRUE(SaveFigure(form.CurrentFigure(), folder.filePath("no-such-folder/figura.png")).has_value());
}

}  // namespace
}  // namespace pr::window
