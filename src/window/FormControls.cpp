#include "window/FormControls.h"

#include <QLineEdit>
#include <QPalette>
#include <algorithm>

#include "core/form/Twips.h"
#include "window/CaptionLabel.h"
#include "window/FormFont.h"
#include "window/LegendMarker.h"
#include "window/QtColour.h"
#include "window/QtText.h"
#include "window/ReadingMark.h"
#include "window/WrappingButton.h"

namespace pr::window {
namespace {

using layout::ControlKind;
using layout::ControlRow;

void SetForeColour(QWidget& widget, QPalette::ColorRole role, const ControlRow& row) {
  if (!row.colour) return;  // the platform's default colours
  QPalette palette = widget.palette();
  palette.setColor(role, ToQColor(*row.colour));
  widget.setPalette(palette);
}

// Controls in the form font inherit it from the form; the others get their
// own size of the same face, scaled with the form. A shape shows no text.
void SetFont(QWidget& widget, const ControlRow& row, double scale = 1.0) {
  if (row.kind == ControlKind::Shape || row.fontPoints == layout::kFormFontPoints) return;
  widget.setFont(FormFont(row.fontPoints * scale));
}

QWidget* CreateLabel(const ControlRow& row, QWidget& form, double dpi) {
  auto* label = new CaptionLabel(FromView(row.caption), row.autoSize, TwipsToPixels(row.height, dpi), &form);
  SetFont(*label, row);
  SetForeColour(*label, QPalette::WindowText, row);
  // The accessible name stays the caption, so a screen reader reads the
  // values; the description says what the value is.
  if (!row.spoken.empty()) label->setAccessibleDescription(FromView(row.spoken));
  return label;
}

QWidget* CreateTextBox(const ControlRow& row, QWidget& form) {
  auto* box = new QLineEdit(&form);
  SetForeColour(*box, QPalette::Text, row);
  box->setAccessibleName(FromView(row.spoken));
  AddReadingMark(*box);
  return box;
}

QWidget* CreateButton(const ControlRow& row, QWidget& form) {
  auto* button = new WrappingButton(FromView(row.caption), &form);
  button->setFocusPolicy(Qt::StrongFocus);
  return button;
}

QWidget* CreateShape(const ControlRow& row, QWidget& form) {
  auto* marker = new LegendMarker(ToQColor(row.colour.value_or(0)), &form);
  marker->setAccessibleName(FromView(row.spoken));
  return marker;
}

QWidget* Create(const ControlRow& row, QWidget& form, double dpi) {
  switch (row.kind) {
    case ControlKind::Label:
      return CreateLabel(row, form, dpi);
    case ControlKind::TextBox:
      return CreateTextBox(row, form);
    case ControlKind::CommandButton:
      return CreateButton(row, form);
    case ControlKind::Shape:
      return CreateShape(row, form);
  }
  return nullptr;
}

// `dpi` is the logical DPI times the form's scale: twips become scaled pixels.
void Place(QWidget& widget, const ControlRow& row, double dpi, QPoint origin = {}) {
  widget.setGeometry(origin.x() + TwipsToPixels(row.left, dpi), origin.y() + TwipsToPixels(row.top, dpi),
                     TwipsToPixels(row.width, dpi), TwipsToPixels(row.height, dpi));
  // An auto-size label measures its caption again in this window's font.
  if (auto* label = dynamic_cast<CaptionLabel*>(&widget); label && label->AutoSize()) {
    label->SetCaption(label->text());
  }
}

bool TakesFocus(const ControlRow& row) {
  return row.kind == ControlKind::TextBox || row.kind == ControlKind::CommandButton;
}

// Labels carry a tab index too, but never take the focus; the chain closes
// by itself, from the last control back to the first.
void LinkTabOrder(std::vector<FormControl> controls) {
  std::erase_if(controls, [](const FormControl& c) { return !TakesFocus(*c.row); });
  std::ranges::sort(controls, {}, [](const FormControl& c) { return c.row->tabIndex; });
  for (std::size_t i = 1; i < controls.size(); ++i) {
    QWidget::setTabOrder(controls[i - 1].widget, controls[i].widget);
  }
}

}  // namespace

void PlaceControls(const std::vector<FormControl>& controls, double logicalDpi, double scale, QPoint origin) {
  for (const FormControl& control : controls) {
    SetFont(*control.widget, *control.row, scale);
    if (auto* label = dynamic_cast<CaptionLabel*>(control.widget)) {
      label->SetLineHeight(TwipsToPixels(control.row->height, logicalDpi * scale));
    }
    Place(*control.widget, *control.row, logicalDpi * scale, origin);
  }
}

QString ControlName(std::string_view name, int index) { return FromView(layout::ElementName(name, index)); }

std::vector<FormControl> BuildControls(QWidget& form, double logicalDpi) {
  std::vector<FormControl> controls;
  for (const ControlRow& row : layout::Controls()) {
    QWidget* widget = Create(row, form, logicalDpi);
    widget->setObjectName(ControlName(row.name, row.index));
    Place(*widget, row, logicalDpi);
    controls.push_back({&row, widget});
  }
  LinkTabOrder(controls);
  return controls;
}

}  // namespace pr::window
