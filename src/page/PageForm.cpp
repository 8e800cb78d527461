#include "page/PageForm.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/form/FormLayout.h"
#include "core/form/Twips.h"
#include "geometry/Commands.h"
#include "plot/FormPaint.h"

namespace pr::page {
namespace {

constexpr double kMinRatio = 0.25;
constexpr double kMaxRatio = 8.0;

}  // namespace

double UsableRatio(double devicePixelRatio) {
  if (!std::isfinite(devicePixelRatio) || !(devicePixelRatio > 0.0)) return 1.0;
  return std::clamp(devicePixelRatio, kMinRatio, kMaxRatio);
}

int DevicePixels(int cssPixels, double devicePixelRatio) {
  return static_cast<int>(std::ceil(cssPixels * UsableRatio(devicePixelRatio)));
}

PageForm::PageForm(double devicePixelRatio, std::string decimalMark)
    : ratio_(UsableRatio(devicePixelRatio)),
      decimalMark_(std::move(decimalMark)),
      surface_(
          std::make_unique<RasterSurface>(DevicePixels(kPageWidthCss, ratio_), DevicePixels(kPageHeightCss, ratio_),
                                          TwipsPerPixel(kStandardDpi, ratio_), kPageBackground, DotSizeFor(ratio_))) {
  for (const layout::ControlRow& row : layout::Controls()) values_.emplace_back(row.caption);
}

std::size_t PageForm::RowOf(const ControlId& control, layout::ControlKind kind) const {
  const layout::ControlRow* row = layout::Find(control.name, control.index);
  if (row == nullptr || row->kind != kind) {
    const char* what = kind == layout::ControlKind::TextBox ? "text box " : "label ";
    throw std::out_of_range("Form1 has no " + std::string(what) + layout::ElementName(control.name, control.index));
  }
  return static_cast<std::size_t>(row - layout::Controls().data());
}

void PageForm::SetText(InputBox box, std::string text) {
  values_[RowOf(ControlOf(box), layout::ControlKind::TextBox)] = std::move(text);
}

std::string PageForm::Text(InputBox box) const { return values_[RowOf(ControlOf(box), layout::ControlKind::TextBox)]; }

void PageForm::SetCaption(ResultLabel label, std::string_view caption) {
  values_[RowOf(ControlOf(label), layout::ControlKind::Label)] = std::string(caption);
}

std::string PageForm::Caption(const ControlId& label) const {
  return values_[RowOf(label, layout::ControlKind::Label)];
}

void PageForm::RedrawFigure() { last_.Redraw(*this, Form_Paint); }

bool PageForm::SetDevicePixelRatio(double devicePixelRatio) {
  const double ratio = UsableRatio(devicePixelRatio);
  if (ratio == ratio_) return false;
  ratio_ = ratio;
  surface_->Rescale(DevicePixels(kPageWidthCss, ratio_), DevicePixels(kPageHeightCss, ratio_),
                    TwipsPerPixel(kStandardDpi, ratio_), DotSizeFor(ratio_));
  RedrawFigure();
  return true;
}

std::optional<Failure> PageForm::Click(Button button) { return last_.Press(CommandOf(button), *this); }

}  // namespace pr::page
