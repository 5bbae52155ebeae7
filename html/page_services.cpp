#include "html/page_services.h"

namespace wb {

bool StandardPageServices::LooksLikeBig5(std::string_view text) const { return wb::LooksLikeBig5(text); }

std::string StandardPageServices::Big5ToGb(std::string_view text) const { return wb::Big5ToGb(table_, text); }

bool StandardPageServices::HasForeignEntity(std::string_view text) const { return wb::HasForeignEntity(text); }

std::string StandardPageServices::DecodeEntities(std::string_view text) const { return wb::DecodeEntities(text); }

PicsVerdict StandardPageServices::CheckPicsLabel(std::string_view label, std::string& warningPage) {
  if (!wb::CheckPicsLabel(label, &warningPage, consent_)) return PicsVerdict::kAccepted;
  declined_ = true;
  return PicsVerdict::kDeclined;
}

}  // namespace wb
