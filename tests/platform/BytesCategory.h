#pragma once

#include <string>
#include <system_error>

// An error whose message is given bytes, as a localised system or runtime message would be.
class BytesCategory : public std::error_category {
  public:
    explicit BytesCategory(std::string text) : text(std::move(text)) {}
    const char* name() const noexcept override { return "bytes"; }
    std::string message(int) const override { return text; }

  private:
    std::string text;
};
