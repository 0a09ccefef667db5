#pragma once
// The outcome of a check made before a store operation, as a value: success, or
// the message that the front ends show with the reason that says what and where.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/messages.h"

namespace ovelin {

class CheckResult {
 public:
  /// Success.
  CheckResult() = default;

  /// A failure shown as `message`, explained by `reason`; the places of both are
  /// filled from `values`.
  CheckResult(MessageId message, MessageId reason, std::vector<std::string> values = {})
      : message_(message), reason_(reason), values_(std::move(values)) {}

  /// True on success.
  explicit operator bool() const { return message_ == MessageId::None; }

  MessageId Message() const { return message_; }
  MessageId Reason() const { return reason_; }

  /// The message in the interface language.
  std::string MessageText() const { return ovelin::MessageText(message_, values_); }

  /// The reason in the interface language; empty when there is none.
  std::string ReasonText() const { return ovelin::MessageText(reason_, values_); }

  /// The identifier of the most precise cause: the reason's, else the message's.
  std::string_view Code() const { return MessageCode(reason_ != MessageId::None ? reason_ : message_); }

 private:
  MessageId message_ = MessageId::None;
  MessageId reason_ = MessageId::None;
  std::vector<std::string> values_;
};

}  // namespace ovelin
