// Nothing on a page or dialog is clipped or covered: GTK's controls are
// taller than the ones the layouts were drawn for, and the windows grow to
// fit them.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include <wx/frame.h>

#include "pages/wx/about_dlg.h"
#include "pages/wx/autofire_setting_dlg.h"
#include "pages/wx/template_window.h"
#include "pages_host.h"

namespace vantor {
namespace {

std::string Describe(const wxWindow& w) {
  const wxRect r = w.GetRect();
  return wxString(w.GetClassInfo()->GetClassName()).utf8_string() + " '" + w.GetLabel().utf8_string() + "' at " +
         std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.width) + "x" +
         std::to_string(r.height);
}

bool IsFrameOf(const wxRect& outer, const wxRect& inner) {
  return outer.Contains(inner) && outer != inner;
}

// Every control inside the client area, at least its best size, and none on
// top of another unless one frames the other.
void ExpectNothingClipped(wxWindow& window) {
  const wxRect client(window.GetClientSize());
  const wxWindowList& controls = window.GetChildren();
  for (wxWindow* control : controls) {
    if (!control->IsShown()) continue;
    EXPECT_TRUE(client.Contains(control->GetRect())) << Describe(*control);
    EXPECT_GE(control->GetSize().y, control->GetBestSize().y) << Describe(*control);
    EXPECT_GE(control->GetSize().x, control->GetBestSize().x) << Describe(*control);
    for (wxWindow* other : controls) {
      if (other == control || !other->IsShown()) continue;
      const wxRect a = control->GetRect(), b = other->GetRect();
      if (IsFrameOf(a, b) || IsFrameOf(b, a)) continue;
      EXPECT_FALSE(a.Intersects(b)) << Describe(*control) << " covers " << Describe(*other);
    }
  }
}

TEST_F(PagesTest, EveryPageShowsAllItsControlsAndGridRows) {
  Open();
  for (std::size_t i = 0; i < kPageCount; ++i) {
    Tabs().SetSelection(i);
    PumpEvents();
    SCOPED_TRACE(std::string(kPageCaptions[i]));
    ExpectNothingClipped(Tabs().Page(i));
  }
  for (CPageGrid* grid : {&Tabs().ButtonsMapPage().Grid(), &Tabs().KeysMapPage().Grid(),
                          &Tabs().DriverOptionsPage().Grid()})
    EXPECT_GE(grid->GetSize().y, grid->HeightForAllRows()) << "the last row, \"Set offscreen to\" too";
}

TEST(DialogLayout, AutoFireAndAboutShowEverything) {
  auto* owner = new wxFrame(nullptr, wxID_ANY, "owner");
  {
    CAutoFireSettingDlg autoFire(owner);
    autoFire.Show();
    PumpEvents();
    SCOPED_TRACE("AutoFire Setting");
    ExpectNothingClipped(autoFire);
  }
  {
    CAboutDlg about(owner);
    about.Show();
    PumpEvents();
    SCOPED_TRACE("About VantorPanel");
    ExpectNothingClipped(about);
  }
  owner->Destroy();
  PumpEvents();
}

// A control id the template lacks is a mistake in the window's code; the
// layout refuses it instead of writing past its lists.
TEST(TemplateLayout, IdsTheTemplateLacksChangeNothing) {
  static constexpr TemplateControl kControls[] = {
      {kIdOk, ControlKind::Button, "OK", {10, 10, 50, 14}},
      {7, ControlKind::Custom, "", {10, 30, 50, 14}},
  };
  constexpr DialogTemplate kLayout{"", 80, 50, kControls};
  auto* window = new wxFrame(nullptr, wxID_ANY, "layout");
  auto* custom = new wxWindow(window, wxID_ANY);
  CTemplateLayout layout;
  EXPECT_FALSE(layout.Attach(7, *custom)) << "before the controls are made";
  EXPECT_EQ(layout.Control(7), nullptr);

  layout.CreateControls(*window, kLayout);
  EXPECT_FALSE(layout.Attach(8, *custom));
  EXPECT_FALSE(layout.SetNeededSize(8, wxSize(1, 1)));
  EXPECT_EQ(layout.Control(8), nullptr);
  EXPECT_TRUE(layout.Attach(7, *custom));
  EXPECT_TRUE(layout.SetNeededSize(7, wxSize(40, 20)));
  EXPECT_EQ(layout.Control(7), custom);
  ASSERT_NE(layout.Control(kIdOk), nullptr);
  layout.Place();
  window->Destroy();
  PumpEvents();
}

}  // namespace
}  // namespace vantor
