// The template file of any text: every template has a body, bodies are whole lines
// ending in CR LF, and inserting one keeps the text around the selection.
#include <algorithm>

#include "FuzzSupport.h"
#include "core/editor/MacroTemplates.h"

using namespace skelder;
using namespace skelder::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  MacroTemplates templates;
  templates.Read(text);
  for (const TemplateMenuItem& item : templates.items()) {
    if (item.separator) {
      FUZZ_CHECK(item.tag == 0 && item.caption.empty());
      continue;
    }
    FUZZ_CHECK(item.tag >= 0 && static_cast<size_t>(item.tag) < templates.bodies().size());
    const std::string& body = templates.bodies()[static_cast<size_t>(item.tag)];
    FUZZ_CHECK(body.empty() || body.compare(body.size() - 2, 2, "\r\n") == 0);
    const size_t start = size ? data[0] % (size + 2) : 0;
    const size_t end = size > 1 ? data[1] % (size + 2) : 0;
    for (const bool first : {true, false}) {
      const TemplateInsertion inserted = InsertTemplate(text, start, end, first, body);
      const size_t from = std::min({start, end, text.size()});
      const size_t to = std::min(std::max(start, end), text.size());
      FUZZ_CHECK(inserted.text.compare(0, from, text, 0, from) == 0);
      FUZZ_CHECK(inserted.text.size() >= text.size() - (to - from) + body.size());
      FUZZ_CHECK(inserted.text.compare(inserted.text.size() - (text.size() - to), text.size() - to,
                                       text, to, text.size() - to) == 0);
      FUZZ_CHECK(inserted.caret <= inserted.text.size());
    }
  }
  return 0;
}
