#include "input/linux/input_messages.h"

namespace vantor {
namespace {

constexpr std::string_view kKeyPressesOff = "Key presses are off: ";
constexpr std::string_view kCannotBeOpened = " cannot be opened: ";
constexpr std::string_view kCannotMakeKeyboard = " cannot make a keyboard: ";
constexpr std::string_view kButtonsOfAdapter = "The buttons of the adapter at ";
constexpr std::string_view kCannotBeRead = " cannot be read: ";
constexpr std::string_view kNoEventNode = "it has no input event node.";

std::string Join(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view part : parts) text += part;
  return text;
}

}  // namespace

std::string KeyboardCannotOpenMessage(std::string_view node, std::string_view reason) {
  return Join({kKeyPressesOff, node, kCannotBeOpened, reason, ". ", kUdevRuleHint});
}

std::string KeyboardCannotCreateMessage(std::string_view node, std::string_view reason) {
  return Join({kKeyPressesOff, node, kCannotMakeKeyboard, reason, "."});
}

std::string ButtonsCannotOpenMessage(std::string_view adapterPath, std::string_view node,
                                     std::string_view reason) {
  return Join({kButtonsOfAdapter, adapterPath, kCannotBeRead, node, kCannotBeOpened, reason,
               ". ", kUdevRuleHint});
}

std::string ButtonsNoNodeMessage(std::string_view adapterPath) {
  return Join({kButtonsOfAdapter, adapterPath, kCannotBeRead, kNoEventNode});
}

}  // namespace vantor
