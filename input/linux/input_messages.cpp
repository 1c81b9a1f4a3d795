#include "input/linux/input_messages.h"

#include <cstring>

#include "device/node_remedy.h"

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

// "<reason>." and the remedy for it, when one is known.
std::string ReasonAndRemedy(NodeKind node, int error) {
  std::string text = std::string(std::strerror(error)) + ".";
  const std::string_view remedy = OpenRemedy(node, error);
  if (!remedy.empty()) text.append(" ").append(remedy);
  return text;
}

}  // namespace

std::string KeyboardCannotOpenMessage(std::string_view node, int error) {
  return Join({kKeyPressesOff, node, kCannotBeOpened, ReasonAndRemedy(NodeKind::KeyboardMaker, error)});
}

std::string KeyboardCannotCreateMessage(std::string_view node, std::string_view reason) {
  return Join({kKeyPressesOff, node, kCannotMakeKeyboard, reason, "."});
}

std::string ButtonsCannotOpenMessage(std::string_view adapterPath, std::string_view node,
                                     int error) {
  return Join({kButtonsOfAdapter, adapterPath, kCannotBeRead, node, kCannotBeOpened,
               ReasonAndRemedy(NodeKind::AdapterButtons, error)});
}

std::string ButtonsNoNodeMessage(std::string_view adapterPath) {
  return Join({kButtonsOfAdapter, adapterPath, kCannotBeRead, kNoEventNode});
}

}  // namespace vantor
