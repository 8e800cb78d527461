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

#include "plot/FigurePixels.h"
#include "window/ErrorReporter.h"
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
    const char* typed[] = {"2,5", "1", "-3", "4", "5", "-2", "10"};
    for (std::size_t i = 0; i < kInputBoxes.size(); ++i) {
      static_cast<QLineEdit*>(form.Control(ControlOf(kInputBoxes[i])))->setText(typed[i]);
    }
    for (Button button : {Button::Points, Button::LineP1P2}) {
      static_cast<QPushButton*>(form.Control(ControlOf(button)))->click();
    }
    QApplication::processEvents();
  }

  QString Caption(ResultLabel label) const { return static_cast<QLabel*>(form.Control(ControlOf(label)))->text(); }

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
  for (ResultLabel label : {ResultLabel::DistanceP1P2, ResultLabel::DistanceP1P3, ResultLabel::DistanceP2P3,
                            ResultLabel::Area, ResultLabel::EquationP1P2}) {
    SCOPED_TRACE(ControlOf(label).name);
    ASSERT_FALSE(Caption(label).trimmed().isEmpty());
    EXPECT_TRUE(description.contains(Caption(label).trimmed())) << description.toStdString();
  }
  // The whole text, the working with its √, ², − and ≈ included, comes back
  // from the PNG.
  EXPECT_EQ(description, form.CurrentFigure().text);
  EXPECT_TRUE(description.contains(QStringLiteral("Procedimento\nRetta per P1-P2")));
  EXPECT_TRUE(description.contains(QStringLiteral("m' = −1/m")));
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
  EXPECT_TRUE(Words(text).contains(Words(Caption(ResultLabel::EquationP1P2)))) << text.toStdString();
  // The results and the working's lines, wrapped at the page's width, all on the page.
  const QString handout = form.CurrentFigure().text;
  EXPECT_TRUE(Words(text).contains(Words(handout.mid(handout.indexOf("Procedimento"))))) << text.toStdString();
}

TEST_F(FigureSaveTest, AFailedSaveSaysWhy) {
  EXPECT_TRUE(SaveFigure(form.CurrentFigure(), folder.filePath("no-such-folder/figura.png")).has_value());
}

}  // namespace
}  // namespace pr::window
