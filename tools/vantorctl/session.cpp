#include <charconv>
#include <ostream>

#include "device/listed_adapters.h"
#include "tools/vantorctl/backends.h"
#include "tools/vantorctl/cli.h"

namespace vantor::cli {

Session::Session(const GlobalOptions& options)
    : m_bus(MakeBus(options)), m_simulated(options.Simulate.has_value()) {
  // A failed discovery leaves no table, which lists no adapter; the reason,
  // where there is one the user can act on, is among the problems.
  DiscoverDevices(*m_bus, m_table, &m_problems);
  m_adapters = ListedAdapters(m_table);
}

Session::~Session() { FreeDeviceTable(*m_bus, m_table); }

bool Session::RequireAdapters(std::ostream& err) const {
  for (const DeviceProblem& problem : m_problems) err << DescribeProblem(problem) << '\n';
  if (!m_adapters.empty()) return true;
  err << "No Vantor adapter was found.\n";
  return false;
}

GunDevice* Session::AdapterByNumber(const std::string& text, std::ostream& err) {
  std::size_t number = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (ec != std::errc() || end != text.data() + text.size() || number == 0 ||
      number > m_adapters.size()) {
    err << "There is no adapter " << text << "; " << m_adapters.size()
        << (m_adapters.size() == 1 ? " adapter is" : " adapters are") << " listed.\n";
    return nullptr;
  }
  return m_adapters[number - 1];
}

}  // namespace vantor::cli
