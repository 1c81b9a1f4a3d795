#include "pages/wx/template_window.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/toplevel.h>

namespace vantor {
namespace {

wxString Text(std::string_view text) { return wxString::FromUTF8(text.data(), text.size()); }

PixelRect ToPixels(const wxWindow& window, const DialogRect& place) {
  const wxPoint at = window.ConvertDialogToPixels(wxPoint(place.X, place.Y));
  const wxSize size = window.ConvertDialogToPixels(wxSize(place.Width, place.Height));
  return {at.x, at.y, size.x, size.y};
}

}  // namespace

wxWindowID WxIdOf(int templateId) {
  switch (templateId) {
    case kIdOk:
      return wxID_OK;
    case kIdCancel:
      return wxID_CANCEL;
    case kNoId:
      return wxID_ANY;
    default:
      return templateId;
  }
}

void CTemplateLayout::CreateControls(wxWindow& window, const DialogTemplate& layout) {
  m_window = &window;
  m_template = &layout;
  m_controls.assign(layout.Controls.size(), nullptr);
  m_needed.assign(layout.Controls.size(), std::nullopt);
  for (std::size_t i = 0; i < layout.Controls.size(); ++i) {
    const TemplateControl& control = layout.Controls[i];
    const wxWindowID id = WxIdOf(control.Id);
    switch (control.Kind) {
      case ControlKind::Label:
        m_controls[i] = new wxStaticText(&window, id, Text(control.Text));
        break;
      case ControlKind::Button:
        m_controls[i] = new wxButton(&window, id, Text(control.Text));
        break;
      case ControlKind::DefaultButton: {
        auto* button = new wxButton(&window, id, Text(control.Text));
        button->SetDefault();
        m_controls[i] = button;
        break;
      }
      case ControlKind::GroupBox:
        m_controls[i] = new wxStaticBox(&window, id, Text(control.Text));
        break;
      case ControlKind::Custom:
        break;
    }
  }
}

std::optional<std::size_t> CTemplateLayout::IndexOf(int id) const {
  if (!m_template) return std::nullopt;
  const int index = m_template->IndexOf(id);
  if (index < 0) return std::nullopt;
  return static_cast<std::size_t>(index);
}

bool CTemplateLayout::Attach(int id, wxWindow& control) {
  const std::optional<std::size_t> index = IndexOf(id);
  if (index) m_controls[*index] = &control;
  return index.has_value();
}

bool CTemplateLayout::SetNeededSize(int id, wxSize size) {
  const std::optional<std::size_t> index = IndexOf(id);
  if (index) m_needed[*index] = size;
  return index.has_value();
}

wxWindow* CTemplateLayout::Control(int id) const {
  const std::optional<std::size_t> index = IndexOf(id);
  return index ? m_controls[*index] : nullptr;
}

void CTemplateLayout::Place() {
  std::vector<PixelRect> places;
  std::vector<PixelSize> needed;
  for (std::size_t i = 0; i < m_controls.size(); ++i) {
    places.push_back(ToPixels(*m_window, m_template->Controls[i].Place));
    wxSize need = m_needed[i].value_or(m_controls[i] ? m_controls[i]->GetBestSize() : wxSize());
    needed.push_back({need.x, need.y});
  }
  const wxSize window = m_window->ConvertDialogToPixels(wxSize(m_template->Width, m_template->Height));
  m_grown = GrowToFit(places, needed, {window.x, window.y});

  const wxSize size(m_grown.Window.Width, m_grown.Window.Height);
  if (m_window->IsTopLevel()) {
    m_window->SetClientSize(size);
    m_window->SetMinClientSize(size);
  } else {
    m_window->SetMinSize(size);
    m_window->SetSize(size);
  }
  FollowSize();
}

void CTemplateLayout::FollowSize() {
  if (m_grown.Controls.size() != m_controls.size()) return;  // not placed yet
  std::vector<Anchor> anchors;
  for (const TemplateControl& control : m_template->Controls) anchors.push_back(control.Anchoring);
  const wxSize now = m_window->GetClientSize();
  const std::vector<PixelRect> placed = FollowWindowSize(m_grown, anchors, {now.x, now.y});
  for (std::size_t i = 0; i < m_controls.size(); ++i)
    if (m_controls[i])
      m_controls[i]->SetSize(placed[i].X, placed[i].Y, placed[i].Width, placed[i].Height);
}

}  // namespace vantor
