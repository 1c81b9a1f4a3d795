#include "pages/info_model.h"

namespace vantor {

std::string WebSiteTarget(std::string_view site) {
  if (site.find("://") != std::string_view::npos) return std::string(site);
  return "http://" + std::string(site);
}

std::string EmailTarget(std::string_view address) {
  if (address.starts_with("mailto:")) return std::string(address);
  return "mailto:" + std::string(address);
}

}  // namespace vantor
