#pragma once
// The page services the filter uses in practice: Big5 pages, foreign
// entities and PICS labels, backed by the loaded Big5 table and a way to ask
// the user.

#include <string>
#include <string_view>

#include "html/content_rating.h"
#include "html/entities.h"
#include "html/page_filter.h"

namespace wb {

class StandardPageServices : public PageServices {
 public:
  // The table must outlive the services. consent answers the PICS question;
  // without one a rated page is replaced.
  StandardPageServices(const Big5Table& table, PicsConsent consent)
      : table_(table), consent_(std::move(consent)) {}

  bool LooksLikeBig5(std::string_view text) const override;
  std::string Big5ToGb(std::string_view text) const override;
  bool HasForeignEntity(std::string_view text) const override;
  std::string DecodeEntities(std::string_view text) const override;
  PicsVerdict CheckPicsLabel(std::string_view label, std::string& warningPage) override;

  // Whether a PICS label made the last page be replaced by the warning page.
  bool PageDeclined() const { return declined_; }
  void ResetPage() { declined_ = false; }

 private:
  bool declined_ = false;
  const Big5Table& table_;
  PicsConsent consent_;
};

}  // namespace wb
