#include "page/PageForm.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/form/FormLayout.h"
#include "core/form/Twips.h"
#include "geometry/Commands.h"
#include "geometry/working/ClickWorking.h"
#include "plot/FormPaint.h"

namespace pr::page {
namespace {

constexpr double kMinRatio = 0.25;
constexpr double kMaxRatio = 8.0;

// Keeps the report for the page, which shows it in its own dialog.
class KeepingReporter final : public ErrorReporter {
 public:
  void Report(const std::string& message) override { report = message; }
  std::string report;
};

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

std::size_t PageForm::RowOf(std::string_view name, int index, layout::ControlKind kind) const {
  const layout::ControlRow* row = layout::Find(name, index);
  if (row == nullptr || row->kind != kind) {
    const char* what = kind == layout::ControlKind::TextBox ? "text box " : "label ";
    throw std::out_of_range("Form1 has no " + std::string(what) + layout::ElementName(name, index));
  }
  return static_cast<std::size_t>(row - layout::Controls().data());
}

void PageForm::SetText(std::string_view name, int index, std::string text) {
  values_[RowOf(name, index, layout::ControlKind::TextBox)] = std::move(text);
}

std::string PageForm::Text(std::string_view name, int index) const {
  return values_[RowOf(name, index, layout::ControlKind::TextBox)];
}

void PageForm::SetCaption(std::string_view name, std::string_view caption) {
  values_[RowOf(name, kNoIndex, layout::ControlKind::Label)] = std::string(caption);
}

std::string PageForm::Caption(std::string_view name, int index) const {
  return values_[RowOf(name, index, layout::ControlKind::Label)];
}

void PageForm::PaintAll() { RedrawFigure(*this, Form_Paint, last_); }

bool PageForm::SetDevicePixelRatio(double devicePixelRatio) {
  const double ratio = UsableRatio(devicePixelRatio);
  if (ratio == ratio_) return false;
  ratio_ = ratio;
  surface_->Rescale(DevicePixels(kPageWidthCss, ratio_), DevicePixels(kPageHeightCss, ratio_),
                    TwipsPerPixel(kStandardDpi, ratio_), DotSizeFor(ratio_));
  PaintAll();
  return true;
}

std::string PageForm::Click(std::string_view button) {
  for (const ClickHandler& click : kClickHandlers) {
    if (click.button != button) continue;
    KeepingReporter reporter;
    last_.Run(click.handler, *this, reporter);
    // From the boxes the command has just read: true of the last command.
    working_ = working::WorkingOfClick(button, *this, reporter.report);
    return reporter.report;
  }
  throw std::out_of_range("Form1 has no button " + std::string(button));
}

}  // namespace pr::page
