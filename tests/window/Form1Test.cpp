// Form1 in process, on Qt's offscreen platform at 96 DPI (15 twips to a
// pixel): the controls as the layout table gives them, labels that follow
// their captions, the repaint model and the handlers behind the dispatcher.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/form/FormLayout.h"
#include "geometry/Commands.h"
#include "support/FakeForm.h"
#include "support/RasterAssertions.h"
#include "window/CaptionLabel.h"
#include "window/ErrorReporter.h"
#include "window/Form1.h"
#include "window/FormScale.h"
#include "window/QtColour.h"

namespace pr::window {
namespace {

using layout::ControlKind;
using layout::ControlRow;

constexpr Colour kGridColour = 7;
constexpr Colour kWhite = 0xFFFFFF;

// Twips to pixels at 96 DPI, rounded to the nearest pixel.
int Px(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

std::string NameOf(const ControlRow& row) { return layout::ElementName(row.name, row.index); }

class CollectingReporter final : public ErrorReporter {
 public:
  void Report(const std::string& message) override { reports.push_back(message); }
  std::vector<std::string> reports;
};

class Form1Test : public ::testing::Test {
 protected:
  void SetUp() override {
    form.show();
    QApplication::processEvents();
  }

  QWidget* Widget(const ControlRow& row) const { return form.Control({row.name, row.index}); }
  CaptionLabel& Label(const ControlId& label) { return *static_cast<CaptionLabel*>(form.Control(label)); }
  CaptionLabel& Label(ResultLabel label) { return Label(ControlOf(label)); }
  QLineEdit& Box(InputBox box) { return *static_cast<QLineEdit*>(form.Control(ControlOf(box))); }
  void Type(const std::vector<const char*>& seven) {
    for (std::size_t i = 0; i < kInputBoxes.size(); ++i) Box(kInputBoxes[i]).setText(seven[i]);
  }
  void Press(Button button) { static_cast<QPushButton*>(form.Control(ControlOf(button)))->click(); }
  Colour Pixel(int x, int y) const { return form.Raster().PixelAt(x, y); }
  Colour Background() const { return form.Raster().Background(); }
  std::map<std::string, QRect> Geometries() const {
    std::map<std::string, QRect> all;
    for (const ControlRow& row : layout::Controls()) all[NameOf(row)] = Widget(row)->geometry();
    return all;
  }

  CollectingReporter reporter;
  Form1 form{reporter};
};

// ---- the controls against the layout table --------------------------------

void ExpectGeometry(const ControlRow& row, const QWidget& widget) {
  EXPECT_EQ(widget.pos(), QPoint(Px(row.left), Px(row.top)));
  const auto* label = dynamic_cast<const QLabel*>(&widget);
  if (!(label && row.autoSize)) {
    EXPECT_EQ(widget.size(), QSize(Px(row.width), Px(row.height)));
    return;
  }
  // An auto-size label is as wide as its caption in this window's font,
  // which must stay close to the old face's width that the table records.
  EXPECT_EQ(widget.height(), Px(row.height));
  if (row.caption.empty()) {
    EXPECT_EQ(widget.width(), Px(row.width));
  } else {
    const double advance = QFontMetricsF(widget.font()).horizontalAdvance(label->text());
    EXPECT_GE(widget.width(), advance);
    EXPECT_LT(widget.width(), advance + 1);
    EXPECT_NEAR(widget.width(), Px(row.width), 0.2 * Px(row.width));
  }
}

void ExpectCaption(const ControlRow& row, const QWidget& widget) {
  const QString caption = QString::fromUtf8(row.caption.data(), qsizetype(row.caption.size()));
  if (auto* label = dynamic_cast<const QLabel*>(&widget)) {
    EXPECT_EQ(label->text(), caption);
  } else if (auto* button = dynamic_cast<const QPushButton*>(&widget)) {
    EXPECT_EQ(button->text(), caption);
  } else if (auto* box = dynamic_cast<const QLineEdit*>(&widget)) {
    EXPECT_TRUE(box->text().isEmpty());
  }
}

void ExpectColour(const ControlRow& row, QWidget& widget) {
  const QColor platformDefault =
      QApplication::palette(&widget).color(row.kind == ControlKind::TextBox ? QPalette::Text : QPalette::WindowText);
  const QColor expected = row.colour ? ToQColor(*row.colour) : platformDefault;
  switch (row.kind) {
    case ControlKind::Label:
      EXPECT_EQ(widget.palette().color(QPalette::WindowText), expected);
      EXPECT_TRUE(widget.autoFillBackground()) << "labels are opaque";
      break;
    case ControlKind::TextBox:
      EXPECT_EQ(widget.palette().color(QPalette::Text), expected);
      break;
    case ControlKind::Shape: {
      const QImage marker = widget.grab().toImage();
      EXPECT_EQ(QColor(marker.pixel(marker.width() / 2, marker.height() / 2)), expected);
      break;
    }
    case ControlKind::CommandButton:
      EXPECT_FALSE(row.colour.has_value());
      break;
  }
}

void ExpectFont(const ControlRow& row, const QWidget& widget) {
  if (row.kind == ControlKind::Shape) return;
  EXPECT_DOUBLE_EQ(widget.font().pointSizeF(), row.fontPoints);
  EXPECT_EQ(widget.font().weight(), QFont::Bold);
  EXPECT_FALSE(widget.font().italic());
  const QString family = QFontInfo(widget.font()).family();
  EXPECT_TRUE(family == "MS Sans Serif" || family == "DejaVu Sans") << family.toStdString();
}

TEST_F(Form1Test, EveryControlStandsAsTheLayoutTableSays) {
  ASSERT_EQ(form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size() - 1, layout::kControlCount)
      << "the 42 controls and the working's window, nothing else";
  for (const ControlRow& row : layout::Controls()) {
    SCOPED_TRACE(NameOf(row));
    QWidget* widget = Widget(row);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->objectName().toStdString(), NameOf(row));
    EXPECT_EQ(widget->parentWidget(), &form);
    EXPECT_TRUE(widget->isVisible());
    ExpectGeometry(row, *widget);
    ExpectCaption(row, *widget);
    ExpectColour(row, *widget);
    ExpectFont(row, *widget);
  }
}

TEST_F(Form1Test, TheWindowOpensShowingTheWholeLayoutAndStaysResizable) {
  EXPECT_EQ(form.windowTitle(), "Punti e rette");
  EXPECT_GE(form.width() * 15, layout::kLayoutWidth);
  EXPECT_GE(form.height() * 15, layout::kLayoutHeight);
  EXPECT_LT(form.minimumWidth(), form.width());
  EXPECT_GT(form.maximumWidth(), form.width());
  EXPECT_TRUE(form.findChildren<QScrollArea*>().empty());
  EXPECT_EQ(form.Raster().Width(), form.width());
  EXPECT_DOUBLE_EQ(form.Raster().TwipsPerPixel(), 15.0);
}

// The whole form follows the window: scaled to fit, proportions kept,
// centred; texts at the scaled size; the raster made for the pixels the
// form covers, its dots as wide as the scale.
TEST_F(Form1Test, TheFormScalesWithTheWindowKeepingItsProportions) {
  struct Case {
    QSize window;
    double scale;
    QPoint origin;
  };
  const Case cases[] = {
      {{1948, 1152}, 2.0, {0, 0}},    // 200 %
      {{1948, 1300}, 2.0, {0, 74}},   // taller: centred vertically
      {{2500, 1152}, 2.0, {276, 0}},  // wider: centred across
      {{487, 288}, 0.5, {0, 0}},      // smaller than the layout: scaled down, nothing hidden
      {{974, 576}, 1.0, {0, 0}},      // back at 100 %
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.window.width() << "x" << c.window.height());
    form.resize(c.window);
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(form.Scale(), c.scale);
    for (const ControlRow& row : layout::Controls()) {
      SCOPED_TRACE(NameOf(row));
      const auto scaled = [&](int twips) { return static_cast<int>(std::lround(twips * c.scale / 15.0)); };
      EXPECT_EQ(Widget(row)->pos(), c.origin + QPoint(scaled(row.left), scaled(row.top)));
      if (row.kind != ControlKind::Shape) {
        EXPECT_DOUBLE_EQ(Widget(row)->font().pointSizeF(), row.fontPoints * c.scale);
      }
    }
    EXPECT_EQ(form.Raster().Width(), static_cast<int>(std::lround(974 * c.scale)));
    EXPECT_EQ(form.Raster().Height(), static_cast<int>(std::lround(576 * c.scale)));
    EXPECT_DOUBLE_EQ(form.Raster().TwipsPerPixel(), 15.0 / c.scale);
    EXPECT_EQ(form.Raster().DotSize(), DotSizeFor(c.scale));
  }
}

// The window's keys as a person presses them: the action bound to each.
void PressKeys(Form1& form, const QKeySequence& keys) {
  for (QAction* action : form.actions()) {
    if (action->shortcuts().contains(keys)) return action->trigger();
  }
  ADD_FAILURE() << "no action for " << keys.toString().toStdString();
}

TEST_F(Form1Test, ZoomKeysStepTheScaleAndF11FillsTheScreen) {
  // The window, frame included, never grows past the screen (800 x 600 on
  // the offscreen platform, whose frame is 2 pixels wide, where 100 % does
  // not fit): there the form fits the screen.
  const QSize frame = form.frameGeometry().size() - form.size();
  const QSize available = form.screen()->availableGeometry().size() - frame;
  const double fits = std::min(available.width() / 974.0, available.height() / 576.0);
  struct Step {
    QKeySequence keys;
    double scale;
  };
  const Step steps[] = {
      {QKeySequence(Qt::CTRL | Qt::Key_0), 1.0},      {QKeySequence(Qt::CTRL | Qt::Key_Minus), 0.8},
      {QKeySequence(Qt::CTRL | Qt::Key_Minus), 0.75}, {QKeySequence(Qt::CTRL | Qt::Key_Minus), 0.67},
      {QKeySequence(Qt::CTRL | Qt::Key_Plus), 0.75},  {QKeySequence(Qt::CTRL | Qt::Key_Equal), 0.8},
      {QKeySequence(Qt::CTRL | Qt::Key_Plus), 0.9},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.keys.toString().toStdString());
    PressKeys(form, step.keys);
    QApplication::processEvents();
    EXPECT_NEAR(form.Scale(), std::min(step.scale, fits), 0.002);
  }
  const QSize screen = form.screen()->geometry().size();
  PressKeys(form, QKeySequence(Qt::Key_F11));
  QApplication::processEvents();
  EXPECT_TRUE(form.isFullScreen());
  EXPECT_EQ(form.size(), screen);
  EXPECT_DOUBLE_EQ(form.Scale(), std::min(screen.width() / 974.0, screen.height() / 576.0));
  PressKeys(form, QKeySequence(Qt::Key_Escape));
  QApplication::processEvents();
  EXPECT_FALSE(form.isFullScreen());
  EXPECT_NEAR(form.Scale(), std::min(0.9, fits), 0.002);
}

// After a change of scale the plot holds the last command's figure, exactly
// as that command draws it at the new scale.
TEST_F(Form1Test, AfterAChangeOfScaleThePlotHoldsTheLastCommandsFigure) {
  const std::vector<const char*> typed = {"0", "1", "1", "3", "-6", "-7", "10"};
  Type(typed);
  Press(Button::LineP1P2);
  Type({"5", "5", "5", "5", "5", "5", "5"});  // typed after the command: not drawn
  form.resize(1948, 1152);
  QApplication::processEvents();

  RasterSurface native(1948, 1152, 7.5, Background(), 2);
  test::FakeForm fake(native);
  fake.Type(typed[0], typed[1], typed[2], typed[3], typed[4], typed[5], typed[6]);
  Command2_Click(fake);
  EXPECT_TRUE(test::SameRaster(form.Raster(), native));
  EXPECT_EQ(Label(ResultLabel::EquationP1P2).text(), " Retta su P1-P2      Y = + 2.00 X + 1.00");
  EXPECT_TRUE(reporter.reports.empty());
}

// ---- labels that follow their captions ------------------------------------

TEST_F(Form1Test, AutoSizeLabelsGrowAndShrinkToTheRightAndNothingElseMoves) {
  struct Case {
    ResultLabel label;
    int emptyWidthTwips;  // the empty label's width in the table
  };
  for (const Case& c : {Case{ResultLabel::EquationP1P2, 90}, Case{ResultLabel::EquationP1P3, 90},
                        Case{ResultLabel::EquationP2P3, 90}, Case{ResultLabel::Area, 75}}) {
    SCOPED_TRACE(ControlOf(c.label).name);
    auto others = Geometries();
    const QRect empty = Label(c.label).geometry();
    EXPECT_EQ(empty.width(), Px(c.emptyWidthTwips));

    form.SetCaption(c.label, " Retta su P1-P2      Y = + 2.00 X + 1.00");
    const QRect grown = Label(c.label).geometry();
    EXPECT_EQ(grown.topLeft(), empty.topLeft());
    EXPECT_GT(grown.width(), 10 * empty.width());
    EXPECT_EQ(grown.height(), empty.height());

    form.SetCaption(c.label, " 1.00");
    const QRect shorter = Label(c.label).geometry();
    EXPECT_EQ(shorter.topLeft(), empty.topLeft());
    EXPECT_LT(shorter.width(), grown.width());

    form.SetCaption(c.label, "");
    EXPECT_EQ(Label(c.label).geometry(), empty);

    others.erase(std::string(ControlOf(c.label).name));
    auto after = Geometries();
    after.erase(std::string(ControlOf(c.label).name));
    EXPECT_EQ(after, others);
  }
}

TEST_F(Form1Test, FixedSizeLabelsKeepTheirSizeAndShowWhatFits) {
  for (const ControlId& name : {ControlOf(ResultLabel::DistanceP1P2), ControlOf(ResultLabel::DistanceP1P3),
                                ControlOf(ResultLabel::DistanceP2P3), ControlOf(HeadingLabel::DistanceP1P2),
                                ControlOf(HeadingLabel::DistanceP1P3), ControlOf(HeadingLabel::DistanceP2P3)}) {
    SCOPED_TRACE(name.name);
    CaptionLabel& label = Label(name);
    const QRect before = label.geometry();
    EXPECT_EQ(before.size(), QSize(Px(735), Px(255)));
    label.SetCaption(" 123456789.00 and much more than fits");
    EXPECT_EQ(label.geometry(), before);
    EXPECT_FALSE(label.wordWrap());
    label.SetCaption("");
    EXPECT_EQ(label.geometry(), before);
  }
}

// ---- Form as the commands see it ------------------------------------------

TEST_F(Form1Test, EachBoxIsReadAndEachLabelWrittenAsUtf8) {
  Type({"1", "-2", "3,5", "4", "5", "6", "10"});
  EXPECT_EQ(form.Text(InputBox::X1), "1");
  EXPECT_EQ(form.Text(InputBox::Y1), "-2");
  EXPECT_EQ(form.Text(InputBox::X2), "3,5");
  EXPECT_EQ(form.Text(InputBox::Y3), "6");
  EXPECT_EQ(form.Text(InputBox::FullScale), "10");
  Box(InputBox::X1).setText(QString::fromUtf8("unità"));
  EXPECT_EQ(form.Text(InputBox::X1), "unit\xC3\xA0");
  form.SetCaption(ResultLabel::Area, "unit\xC3\xA0");
  EXPECT_EQ(Label(ResultLabel::Area).text(), QString::fromUtf8("unità"));
}

TEST_F(Form1Test, TheDecimalMarkIsTheSystemLocales) {
  EXPECT_EQ(form.DecimalMark(), QLocale::system().decimalPoint().toStdString());
  EXPECT_EQ(&form.Canvas(), static_cast<const Surface*>(&form.Raster()));
}

// ---- the repaint model ----------------------------------------------------

TEST_F(Form1Test, TheFirstShowPaintsThePlotBackground) {
  EXPECT_EQ(Pixel(213, 213), 0u);            // the axes cross
  EXPECT_EQ(Pixel(0, 266), 0x0000FFu);       // the red edge dot at (0, 4000)
  EXPECT_EQ(Pixel(600, 300), Background());  // right of the plot area
  // The toolkit's window colour, light grey: the commands' white and yellow
  // dots must show on it.
  EXPECT_EQ(ToQColor(Background()), form.palette().color(QPalette::Window));
  EXPECT_NE(Background(), kWhite);
  EXPECT_GT(ToQColor(Background()).lightness(), 160);
}

TEST_F(Form1Test, ARepaintByTheToolkitKeepsTheFigure) {
  form.Canvas().PSet(1600, 1600, kWhite);  // over a grid dot
  form.Canvas().PSet(1500, 1500, kWhite);  // between grid dots
  const int gridX = form.Raster().ColumnOf(1600);
  const int gridY = form.Raster().RowOf(1600);
  form.repaint();
  form.update();
  QApplication::processEvents();
  EXPECT_EQ(Pixel(gridX, gridY), kWhite);
  EXPECT_EQ(Pixel(100, 100), kWhite);
  const QImage shown = form.grab().toImage();
  EXPECT_EQ(QColor(shown.pixel(gridX, gridY)), Qt::white);
  EXPECT_EQ(QColor(shown.pixel(100, 100)), Qt::white);
  EXPECT_EQ(QColor(shown.pixel(213, 213)), Qt::black);
}

// Whatever makes the surface anew (shrinking and growing the window) brings
// back the plane and the last command's figure, never the plane alone.
TEST_F(Form1Test, ShrinkingAndGrowingRedrawsTheLastFigure) {
  Type({"0", "0", "1", "1", "-3", "4", "10"});
  Press(Button::LineP1P3);
  const std::vector<std::uint32_t> drawn(form.Raster().Data(),
                                         form.Raster().Data() + form.Raster().Width() * form.Raster().Height());
  const auto stillDrawn = [&] { return std::equal(drawn.begin(), drawn.end(), form.Raster().Data()); };

  form.resize(150, 150);
  QApplication::processEvents();
  form.resize(974, 576);
  QApplication::processEvents();
  ASSERT_EQ(form.Raster().Width(), 974);
  EXPECT_TRUE(stillDrawn()) << "shrunk and grown again";
  EXPECT_TRUE(reporter.reports.empty());
}

// ---- handlers behind the dispatcher ---------------------------------------

TEST_F(Form1Test, TheButtonsRunTheirCommands) {
  Type({"0", "1", "1", "3", "2", "0", "10"});
  Press(Button::Points);
  EXPECT_FALSE(Label(ResultLabel::DistanceP1P2).text().isEmpty());
  EXPECT_FALSE(Label(ResultLabel::Area).text().isEmpty());
  Press(Button::LineP1P2);
  EXPECT_EQ(Label(ResultLabel::EquationP1P2).text(), " Retta su P1-P2      Y = + 2.00 X + 1.00");
  Press(Button::LineP1P3);
  EXPECT_TRUE(Label(ResultLabel::EquationP1P2).text().isEmpty());
  EXPECT_FALSE(Label(ResultLabel::EquationP1P3).text().isEmpty());
  Press(Button::LineP2P3);
  EXPECT_TRUE(Label(ResultLabel::EquationP1P3).text().isEmpty());
  EXPECT_FALSE(Label(ResultLabel::EquationP2P3).text().isEmpty());
  EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(Form1Test, ARunTimeErrorIsReportedAndTheProgramGoesOn) {
  Type({"0", "1", "1", "3", "2", "0", "10"});
  Press(Button::LineP1P2);
  const QString before = Label(ResultLabel::EquationP1P2).text();
  Type({"0", "0", "1E-300", "1E300", "2", "0", "10"});  // a slope past the double range
  Press(Button::LineP1P2);
  EXPECT_EQ(reporter.reports, std::vector<std::string>{"Errore di run-time '6':\n\nOverflow"});
  EXPECT_EQ(Label(ResultLabel::EquationP1P2).text(), before);
  // What was drawn before the error stays: the axis, P1's red marker.
  EXPECT_EQ(Pixel(213, 100), 0u);
  EXPECT_EQ(Pixel(213, 213), 0x0000FFu);
  Press(Button::LineP1P3);
  EXPECT_FALSE(Label(ResultLabel::EquationP1P3).text().isEmpty());
  EXPECT_EQ(reporter.reports.size(), 1u);
}

// ---- focus and accessibility ----------------------------------------------

TEST_F(Form1Test, TheFocusStartsOnCommand1AndOnlyBoxesAndButtonsTakeIt) {
  EXPECT_EQ(form.focusWidget(), form.Control(ControlOf(Button::Points)));
  for (const ControlRow& row : layout::Controls()) {
    const bool focusable = row.kind == ControlKind::TextBox || row.kind == ControlKind::CommandButton;
    EXPECT_EQ(Widget(row)->focusPolicy() != Qt::NoFocus, focusable) << NameOf(row);
  }
}

QString Accessible(QWidget* widget, QAccessible::Text what) {
  return QAccessible::queryAccessibleInterface(widget)->text(what);
}

TEST_F(Form1Test, EveryControlHasSomethingToSpeak) {
  const std::map<InputBox, QString> boxes = {{InputBox::X1, "x1"},
                                             {InputBox::Y1, "y1"},
                                             {InputBox::X2, "x2"},
                                             {InputBox::Y2, "y2"},
                                             {InputBox::X3, "x3"},
                                             {InputBox::Y3, "y3"},
                                             {InputBox::FullScale, "Fondo scala"}};
  for (const ControlRow& row : layout::Controls()) {
    SCOPED_TRACE(NameOf(row));
    const QString name = Accessible(Widget(row), QAccessible::Name);
    switch (row.kind) {
      case ControlKind::TextBox:
        EXPECT_EQ(name, boxes.at(*InputBoxAt({row.name, row.index})));
        break;
      case ControlKind::CommandButton:
      case ControlKind::Label:
        EXPECT_EQ(name, QString::fromUtf8(row.caption.data(), qsizetype(row.caption.size())));
        break;
      case ControlKind::Shape:
        EXPECT_TRUE(name.startsWith("Legenda")) << name.toStdString();
        break;
    }
  }
  form.SetCaption(ResultLabel::DistanceP1P2, " 2.24");
  EXPECT_EQ(Accessible(&Label(ResultLabel::DistanceP1P2), QAccessible::Name), " 2.24");
  EXPECT_EQ(Accessible(&Label(ResultLabel::DistanceP1P2), QAccessible::Description), "Distanza P1-P2");
  EXPECT_EQ(Accessible(&Label(ResultLabel::EquationP1P2), QAccessible::Description), "Equazione della retta P1-P2");
}

// The working's pane takes the window's right or bottom, whichever leaves
// the form larger (the pane 560 x 576 beside at 100 %, or 974 x 240 below),
// and the form is fitted to the rest; sizing a window for a zoom with the
// pane gives the form that zoom.
TEST(WorkingPane, LeavesTheFormTheLargerPartAndCoversNothing) {
  const QSize base(974, 576);
  for (const QSize window : {QSize(1920, 1080), QSize(2600, 1000), QSize(1280, 1024), QSize(974, 576)}) {
    SCOPED_TRACE(::testing::Message() << window.width() << "x" << window.height());
    const double beside = std::min(window.width() / 1534.0, window.height() / 576.0);
    const double below = std::min(window.width() / 974.0, window.height() / 816.0);
    const WorkingSplit split = SplitForWorking(window, base, 1.0);
    EXPECT_EQ(split.beside, beside >= below);
    EXPECT_NEAR(split.form.scale, std::max(beside, below), 0.002);  // the pane rounded to a pixel
    const QRect form(split.form.origin, split.form.size);
    EXPECT_TRUE(QRect(QPoint(0, 0), window).contains(split.pane.united(form)));
    EXPECT_FALSE(split.pane.intersects(form));
  }
  for (const double zoom : {1.0, 1.5, 2.0}) {
    const QSize window = WindowWithPane(base, 1.0, zoom, QSize(4000, 4000), true);
    EXPECT_NEAR(SplitForWorking(window, base, 1.0).form.scale, zoom, 0.002) << zoom;
  }
}

}  // namespace
}  // namespace pr::window
