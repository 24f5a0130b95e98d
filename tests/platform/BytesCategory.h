#pragma once

#include <string>
#include <system_error>

// An error whose message is given bytes, as a localised system or runtime message would be.
class BytesCategory : public std::error_category {
  public:
    explicit BytesCategory(std::string message) : message_(std::move(message)) {}
    const char* name() const noexcept override { return "bytes"; }
    std::string message(int) const override { return message_; }

  private:
    std::string message_;
};
