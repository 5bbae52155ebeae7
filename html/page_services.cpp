#include "html/page_services.h"

#include "html/page_charset.h"

namespace wb {

// The pair count alone takes a Western page's accented letters for Big5; the
// page's own declaration and the shape of its high bytes decide first.
bool StandardPageServices::LooksLikeBig5(std::string_view text) const { return wb::PageIsBig5(text); }

std::string StandardPageServices::Big5ToGb(std::string_view text) const { return wb::Big5ToGb(table_, text); }

bool StandardPageServices::HasForeignEntity(std::string_view text) const { return wb::HasForeignEntity(text); }

std::string StandardPageServices::DecodeEntities(std::string_view text) const { return wb::DecodeEntities(text); }

PicsVerdict StandardPageServices::CheckPicsLabel(std::string_view label, std::string& warningPage) {
  if (!wb::CheckPicsLabel(label, &warningPage, consent_)) return PicsVerdict::kAccepted;
  declined_ = true;
  return PicsVerdict::kDeclined;
}

}  // namespace wb
