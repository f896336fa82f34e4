// The file and printer dialogs the commands need, and the desktop's opening
// of documents and addresses, behind an interface: the program uses Qt's,
// UI tests script the answers so nothing blocks and nothing is launched.
#pragma once

#include <optional>
#include <string>
#include <vector>

class QPrinter;
class QWidget;

namespace zefrin {

// One choice of a file dialog's type list: "PNG(*.PNG)" and its patterns.
struct FileFilter {
  std::string caption;   // what the dialog shows
  std::string patterns;  // "*.PNG;*.JPG"
};

struct SaveChoice {
  std::string path;
  int32_t filterIndex = 0;  // 0-based index into the offered filters
};

class DialogProvider {
 public:
  virtual ~DialogProvider() = default;
  // The file must exist. nullopt when the user cancels.
  virtual std::optional<std::string> openFileName(QWidget* owner, const std::vector<FileFilter>& filters,
                                                  const std::string& prefill) = 0;
  // Asks before overwriting. nullopt when the user cancels.
  virtual std::optional<SaveChoice> saveFileName(QWidget* owner, const std::vector<FileFilter>& filters) = 0;
  // Lets the user pick and set up a printer; false when cancelled.
  virtual bool printerSetup(QWidget* owner, QPrinter& printer) = 0;
  // Where to write a print when no printer exists (a PDF file); nullopt cancels.
  virtual std::optional<std::string> printFileName(QWidget* owner) = 0;
  // Hands a document or address to the desktop (help page, web page).
  virtual bool openUrl(const std::string& url) = 0;
};

// Splits "A(*.a)|*.a|B(*.b)|*.b" into caption/pattern pairs.
std::vector<FileFilter> filtersFromText(const std::string& filterText);

}  // namespace zefrin
