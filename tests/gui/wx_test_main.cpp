// main() of the GUI test programs. Listing the tests (as the build does)
// needs no display; running them needs one (./test.sh starts Xvfb when
// there is none), and a program whose wx cannot start fails: it never
// passes or skips for want of a display. A wx assertion fails the running
// test instead of opening a dialog.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

#include <wx/app.h>
#include <wx/init.h>

namespace {

void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg) {
  ADD_FAILURE_AT(file.utf8_str(), line)
      << "wx assertion " << cond.utf8_string() << " in " << func.utf8_string() << ": "
      << msg.utf8_string();
}

const char* DisplayName() {
  const char* display = std::getenv("DISPLAY");
  return display ? display : "unset";
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();

  // wx sees only the program name; the arguments are GoogleTest's.
  int wxArgc = argc > 0 ? 1 : 0;
  wxApp::SetInstance(new wxApp);
  if (!wxEntryStart(wxArgc, argv)) {
    std::cerr << "wx could not start (DISPLAY is " << DisplayName()
              << "): the GUI tests cannot run, which is a failure.\n";
    return 1;
  }
  wxSetAssertHandler(FailOnAssert);
  int result = 1;
  if (wxTheApp->CallOnInit()) {
    result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
  } else {
    std::cerr << "wx started but its application did not initialise.\n";
  }
  wxEntryCleanup();
  return result;
}
