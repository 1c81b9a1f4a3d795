// main() of the GUI test programs. The wx application starts in a test
// environment, so listing the tests (as the build does) needs no display;
// running them needs one (./test.sh starts Xvfb when there is none). A wx
// assertion fails the running test instead of opening a dialog.
#include <gtest/gtest.h>

#include <cstdlib>

#include <wx/app.h>
#include <wx/init.h>

namespace {

void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg) {
  ADD_FAILURE_AT(file.utf8_str(), line)
      << "wx assertion " << cond.utf8_string() << " in " << func.utf8_string() << ": "
      << msg.utf8_string();
}

class WxEnvironment : public testing::Environment {
 public:
  // wx sees only the program name, when there is one; the arguments are
  // GoogleTest's.
  WxEnvironment(int argc, char** argv) : m_argc(argc > 0 ? 1 : 0), m_argv(argv) {}

  void SetUp() override {
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(m_argc, m_argv)) {
      FAIL() << "wx could not start: no display? (DISPLAY is "
             << (std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "unset") << ")";
    }
    m_started = true;
    wxSetAssertHandler(FailOnAssert);
    ASSERT_TRUE(wxTheApp->CallOnInit());
  }

  void TearDown() override {
    if (!m_started) return;
    wxTheApp->OnExit();
    wxEntryCleanup();
  }

 private:
  int m_argc;
  char** m_argv;
  bool m_started = false;
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::AddGlobalTestEnvironment(new WxEnvironment(argc, argv));
  return RUN_ALL_TESTS();
}
