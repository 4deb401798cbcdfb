#pragma once
// Scintilla's loader interface (its ILoader, whose header QScintilla does not install): SCI_CREATELOADER
// makes a document off the control that is filled in blocks, in the control's own buffer, and then shown
// with SCI_SETDOCPOINTER.

#include <cstddef>

namespace penwick {

#if defined(_WIN32) && !defined(_WIN64)
#define PENWICK_SCI_METHOD __stdcall
#else
#define PENWICK_SCI_METHOD
#endif

class ScintillaLoader {
 public:
  virtual int PENWICK_SCI_METHOD Release() = 0;
  // 0, or a status code when the data could not be added (out of memory).
  virtual int PENWICK_SCI_METHOD AddData(const char* data, std::ptrdiff_t length) = 0;
  // The document, holding one reference.
  virtual void* PENWICK_SCI_METHOD ConvertToDocument() = 0;

 protected:
  ~ScintillaLoader() = default;
};

}  // namespace penwick
