#include "browser/result_page.h"

namespace wb {

std::string ComposeResultPageText(int showTran, std::string_view pageUrl,
                                  std::string_view translationPath) {
  std::string_view frameset;
  if (showTran == 1)
    frameset = "<FRAMESET COLS=\"*, *\">";
  else if (showTran == 2)
    frameset = "<FRAMESET ROWS=\"*, *\">";
  else
    return {};

  // One line, with no line break anywhere and none at the end.
  std::string page = "<HTML><HEAD><TITLE>()</TITLE></HEAD>";
  page += frameset;
  page += "<FRAME SRC=\"";
  page += pageUrl;
  page += "\">";
  page += "<FRAME SRC=\"file://";
  page += translationPath;
  page += "\">";
  page += "</FRAMESET>";
  page += "</HTML>";
  return page;
}

ComposedPage ComposeResultPage(Desktop& desktop, int showTran, std::string_view pageUrl,
                               std::string_view translationPath, std::string_view resultDir) {
  ComposedPage result;
  std::string page = ComposeResultPageText(showTran, pageUrl, translationPath);
  if (page.empty()) {
    result.ok = true;
    result.path = std::string(translationPath);
    return result;
  }
  result.path = std::string(resultDir) + std::string(kComposedPageName);
  result.ok = desktop.WritePageFile(result.path, page, result.error);
  return result;
}

}  // namespace wb
