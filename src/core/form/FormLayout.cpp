#include "core/form/FormLayout.h"

namespace pr::layout {
namespace {

using enum ControlKind;

// Colours as the old form stored them (0x00BBGGRR, in decimal).
constexpr Colour kRed = 255;
constexpr Colour kBlue = 16711680;
constexpr Colour kDarkGreen = 32768;   // P3's labels
constexpr Colour kMagenta = 16711935;  // P3's text boxes, not green
constexpr Colour kMarkerGreen = 49152;
constexpr std::optional<Colour> kDefault = std::nullopt;

constexpr double kForm = kFormFontPoints;
constexpr double kEquation = 10.8;
constexpr double kNote = 13.2;
constexpr double kNoFont = 0.0;  // a shape shows no text

constexpr bool kAuto = true;
constexpr bool kFixed = false;
constexpr int kNone = kNoIndex;

// clang-format off
constexpr std::array<ControlRow, kControlCount> kControls{{
  // kind, name, index, caption, left, top, width, height, colour, font, auto-size, tab index, spoken
  // Title: two blanks before "P2(x2 ; y2)" and before "P3(x3 ; y3)".
  {Label, "Label1", kNone, "Relazoni tra i punti: P1(x1 ; y1)  P2(x2 ; y2)  P3(x3 ; y3) e le rette",
   7680, 120, 5550, 195, kDefault, kForm, kAuto, 0, ""},

  // Point input: P1 red, P2 blue, P3 dark green in the labels but magenta in its boxes.
  {Label,   "Label2", 0,     "x1", 12840, 4200,  210, 195, kRed, kForm, kAuto, 17, ""},
  {Label,   "Label6", 0,     "y1", 13680, 4200,  210, 195, kRed, kForm, kAuto, 16, ""},
  {Label,   "Label7", kNone, "P1", 12360, 4440,  240, 195, kRed, kForm, kAuto, 18, ""},
  {TextBox, "Text1",  0,     "",   12720, 4440,  615, 375, kRed, kForm, kFixed, 10, "x1"},
  {TextBox, "Text2",  0,     "",   13440, 4440,  615, 375, kRed, kForm, kFixed, 11, "y1"},
  {Label,   "Label2", 1,     "x2", 12840, 5160,  210, 195, kBlue, kForm, kAuto, 14, ""},
  {Label,   "Label6", 1,     "y2", 13800, 5160,  210, 195, kBlue, kForm, kAuto, 15, ""},
  {Label,   "Label8", kNone, "P2", 12360, 5400,  240, 195, kBlue, kForm, kAuto, 19, ""},
  {TextBox, "Text1",  1,     "",   12720, 5400,  615, 375, kBlue, kForm, kFixed, 9, "x2"},
  {TextBox, "Text2",  1,     "",   13560, 5400,  615, 375, kBlue, kForm, kFixed, 8, "y2"},
  {Label,   "Label2", 2,     "x3", 12960, 6000,  210, 195, kDarkGreen, kForm, kAuto, 13, ""},
  {Label,   "Label6", 2,     "y3", 13920, 6000,  210, 195, kDarkGreen, kForm, kAuto, 12, ""},
  {Label,   "Label9", kNone, "P3", 12360, 6240,  240, 195, kDarkGreen, kForm, kAuto, 20, ""},
  {TextBox, "Text1",  2,     "",   12720, 6240,  615, 375, kMagenta, kForm, kFixed, 6, "x3"},
  {TextBox, "Text2",  2,     "",   13680, 6240,  615, 375, kMagenta, kForm, kFixed, 7, "y3"},
  {TextBox, "Text4",  kNone, "",   12720, 6840,  615, 285, kDefault, kForm, kFixed, 2, "Fondo scala"},
  {Label,   "Label10", kNone, "Fondo scala", 13560, 6840, 1050, 195, kDefault, kForm, kAuto, 3, ""},
  {CommandButton, "Command1", kNone, "I punti e le distanze", 12960, 7320, 1215, 495, kDefault, kForm, kFixed, 1, ""},

  // Distances: Label14 stands 60 twips lower than its value label Label4.
  {Label, "Label16", kNone, "Distanze tra i punti", 9000, 3960, 1620, 195, kDefault, kForm, kAuto, 27, ""},
  {Label, "Label12", kNone, "P1-P2", 9000, 4560, 735, 255, kDefault, kForm, kFixed, 24, ""},
  {Label, "Label3",  kNone, "",     10080, 4560, 735, 255, kDefault, kForm, kFixed, 21, "Distanza P1-P2"},
  {Label, "Label14", kNone, "P1-P3", 9000, 5340, 735, 255, kDefault, kForm, kFixed, 25, ""},
  {Label, "Label4",  kNone, "",     10080, 5280, 735, 255, kDefault, kForm, kFixed, 22, "Distanza P1-P3"},
  {Label, "Label15", kNone, "P2-P3", 9000, 6120, 735, 255, kDefault, kForm, kFixed, 26, ""},
  {Label, "Label5",  kNone, "",     10080, 6120, 735, 255, kDefault, kForm, kFixed, 23, "Distanza P2-P3"},

  // Area, and Label11, which Command1 empties and nothing ever fills.
  {Label, "Label11", kNone, "",             7200, 6360,   75, 195, kRed,     kForm, kAuto, 5, ""},
  {Label, "Label18", kNone, "Area triang.", 7800, 6720, 1245, 195, kDefault, kForm, kAuto, 29, ""},
  {Label, "Label17", kNone, "",             9120, 6720,   75, 195, kDefault, kForm, kAuto, 28, "Area del triangolo"},

  // Line commands: two legend markers overlapping by 15 twips, the button,
  // its equation label. Command2's caption starts with a blank and has two
  // before "perpend."; Command3's Top is 7223; Label21 stands at 2520.
  {CommandButton, "Command2", kNone, " Retta per P1-P2 e  perpend.", 600, 6480, 1575, 615, kDefault, kForm, kFixed, 35, ""},
  {Shape, "Shape1", 0, "",   0, 6720, 255, 135, kRed,  kNoFont, kFixed, kNoTabStop, "Legenda P1-P2: P1"},
  {Shape, "Shape2", 0, "", 240, 6720, 255, 135, kBlue, kNoFont, kFixed, kNoTabStop, "Legenda P1-P2: P2"},
  {Label, "Label19", kNone, "", 2640, 6600, 90, 300, kDefault, kEquation, kAuto, 30, "Equazione della retta P1-P2"},
  {CommandButton, "Command3", kNone, "Retta per P1-P3", 600, 7223, 1575, 255, kDefault, kForm, kFixed, 34, ""},
  {Shape, "Shape1", 1, "",   0, 7320, 255, 135, kRed,         kNoFont, kFixed, kNoTabStop, "Legenda P1-P3: P1"},
  {Shape, "Shape2", 1, "", 240, 7320, 255, 135, kMarkerGreen, kNoFont, kFixed, kNoTabStop, "Legenda P1-P3: P3"},
  {Label, "Label20", kNone, "", 2640, 7200, 90, 300, kDefault, kEquation, kAuto, 31, "Equazione della retta P1-P3"},
  {CommandButton, "Command4", kNone, "Retta per P2-P3", 600, 7590, 1575, 255, kDefault, kForm, kFixed, 33, ""},
  {Shape, "Shape1", 2, "",   0, 7680, 255, 135, kBlue,        kNoFont, kFixed, kNoTabStop, "Legenda P2-P3: P2"},
  {Shape, "Shape2", 2, "", 240, 7680, 255, 135, kMarkerGreen, kNoFont, kFixed, kNoTabStop, "Legenda P2-P3: P3"},
  {Label, "Label21", kNone, "", 2520, 7680, 90, 300, kDefault, kEquation, kAuto, 32, "Equazione della retta P2-P3"},

  // The note across the bottom, with the window's one "à".
  {Label, "Label13", kNone, "Il fondo scala stabilisce quante unità sono espresse nei semi assi cartesiani",
   0, 8280, 10530, 360, kRed, kNote, kAuto, 4, ""},
}};
// clang-format on

}  // namespace

std::span<const ControlRow, kControlCount> Controls() { return kControls; }

const ControlRow* Find(std::string_view name, int index) {
  for (const ControlRow& row : kControls) {
    if (row.name == name && row.index == index) return &row;
  }
  return nullptr;
}

std::string ElementName(std::string_view name, int index) {
  std::string text(name);
  if (index != kNoIndex) text += "(" + std::to_string(index) + ")";
  return text;
}

}  // namespace pr::layout
