// Qt's own file and print dialogs.
#pragma once

#include "app/dialog_provider.h"

namespace zefrin {

class QtDialogProvider final : public DialogProvider {
 public:
  std::optional<std::string> openFileName(QWidget* owner, const std::vector<FileFilter>& filters,
                                          const std::string& prefill) override;
  std::optional<SaveChoice> saveFileName(QWidget* owner, const std::vector<FileFilter>& filters) override;
  bool printerSetup(QWidget* owner, QPrinter& printer) override;
  std::optional<std::string> printFileName(QWidget* owner) override;
  bool openUrl(const std::string& url) override;
};

}  // namespace zefrin
