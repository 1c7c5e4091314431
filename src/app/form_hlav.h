// The main window's logic: it owns the controls (as data), the parameter image and the text
// table, composes the parts of the window that own a subsystem's state (the link panel, the map
// panel, the graph panel, the 3D view), runs the one edit path every change of the image takes, and
// keeps the handler names of the window design as its entry points. The renderer (Qt, or the
// scripted host of tests and `zarvell-cli play`) forwards events to it.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "app/about_form.h"
#include "app/file_panel.h"
#include "app/graph_panel.h"
#include "app/link_panel.h"
#include "app/map_panel.h"
#include "app/process_state.h"
#include "app/settings.h"
#include "app/status_line.h"
#include "app/view3d_panel.h"
#include "design/main_controls.h"
#include "design/texts/text_table.h"
#include "link/serial_port.h"
#include "mapedit/parameter_set.h"
#include "params/image.h"
#include "print/window_printer.h"
#include "ui/control_model.h"
#include "ui/form_events.h"
#include "ui/form_host.h"

namespace zarvell {

class TFormHlav final : public ui::FormEvents, private EditPath, private print::PrintedWindow {
 public:
  // The window talks to the unit through `port`, on the device of the chosen COM number.
  TFormHlav(ProcessState& process, ui::FormHost& host, link::SerialPort& port, ConfigPaths paths);

  ui::ControlModel& controls() { return controls_; }
  const ui::ControlModel& controls() const { return controls_; }
  const ParameterImage& image() const { return set_.image; }
  const TextTable& texts() const { return texts_; }
  TFormAbout& about() { return about_; }
  bool testMode() const { return testMode_; }
  std::uint32_t redrawFlags() const { return redrawFlags_; }
  const link::ComLink& comLink() const { return link_.comLink(); }
  const link::BlockTransfer& transfer() const { return link_.transfer(); }
  const link::LiveState& live() const { return link_.live(); }
  const TSelcell& selection() const { return map_.selection(); }
  const TGraphAdv& graph2d() const { return graph_.graph2d(); }
  const TGraphAdv& graph3d() const { return view3d_.graph3d(); }

  // Start-up, with the program's arguments after the program name; the first may name the
  // language ("ENGLISH", "DEUTSCH", "FRANCE", "CESKY").
  void FormCreate(std::span<const std::string> args);
  // Shut-down, whether by the close box or by MenuExit: saves the settings and the image.
  void FormClose();
  void Timer1Timer();

  // ui::FormEvents: the renderer's events, offered to the window's parts, then to the
  // handlers below.
  void OnClick(ui::ControlIndex id) override;
  void OnKeyboardToggle(ui::ControlIndex id) override;
  void OnEditExit(ui::ControlIndex edit) override { EditExit(edit); }
  void OnEditEnter(ui::ControlIndex edit) override { EditKeyPressEnter(edit); }
  void OnUpDown(ui::ControlIndex id, bool up) override;
  void OnSelect(ui::ControlIndex id) override;
  void OnMouse(ui::ControlIndex image, const ui::MouseEvent& event) override;
  void OnWheel(ui::ControlIndex image, const ui::WheelEvent& event) override;
  void OnPageChange() override;
  void OnChar(ui::ControlIndex control, char c) override { map_.KeyTest(control, c); }
  bool OnClipboard(ui::ControlIndex control, ui::ClipboardKey key) override {
    return map_.OnClipboard(control, key);
  }
  bool OnArrowKey(ui::ControlIndex control, ui::NavigationKey key, bool extend) override {
    return map_.OnArrowKey(control, key, extend);
  }
  void OnTick() override { Timer1Timer(); }

  // Editing.
  void EditExit(ui::ControlIndex edit);
  void UpDownClick(ui::ControlIndex upDown);
  void EditKeyPressEnter(ui::ControlIndex control);
  void ComboBoxNasobekPalcuChange() { ApplyEdit(EditFrom::Field); }
  void CheckBoxMouseUp(ui::ControlIndex) { ApplyEdit(EditFrom::Flag); }
  void CheckBoxZakazCteniClick();
  void RadioGroupInput1Click() { StoreRadioChoice(design::RadioGroupInput1, field::Input1); }
  void RadioGroupInput2Click() { StoreRadioChoice(design::RadioGroupInput2, field::Input2); }
  void ComboBoxBikeChange();
  void BitBtnServoMinusClick() { ServoStep(-1); }
  void BitBtnServoPlusClick() { ServoStep(+1); }
  // The map's view mode is read from the three radio buttons; the view rules show its parts.
  void AMapFormClick() { ApplyViewRules(); }
  void AMapModeGraphClick() { ApplyViewRules(); }
  void AMapModeGraph3DClick() { ApplyViewRules(); }
  void MenuNewClick();
  void SpeedButtonZpetClick();
  void SpeedButtonZnovuClick();

  void MenuEnglishClick() { SwitchLanguage(0); }
  void MenuGermanClick() { SwitchLanguage(1); }
  void MenuFrenchClick() { SwitchLanguage(2); }
  void MenuCzechClick() { SwitchLanguage(3); }
  void MenuExitClick() { host_.RequestClose(); }
  void MenuAboutClick() { about_.ShowModal(); }
  void MenuContensClick();
  void SpeedButtonPrintClick() { printer_.PrintWindow(); }
  void MenuPrintAllClick() { printer_.PrintAllPages(); }

 private:
  void SwitchLanguage(std::uint8_t language);

  // Where an edit comes from decides where it joins the edit path.
  enum class EditFrom {
    Field,  // a number or list the user left or stepped: the validation finds out which axis
            // breakpoint moved
    Flag,   // a check box: committed, no breakpoint is named
    Image,  // the image itself was changed (New, presets, the map editors, the servo steps
            // after their commit)
  };
  // The one edit path: the controls committed (unless the change was made on the image),
  // validation, the controls refreshed, an undo snapshot, the view rules and a relayout of the
  // graphs on the next tick.
  void ApplyEdit(EditFrom from);
  void CommitControls() override;
  void ShowImage();
  void ApplyViewRules() override;
  void Sanitize();
  // A radio group stores its position at once; a refresh that moves it arrives here too, so it
  // takes only the snapshot, never a validation or a refresh.
  void StoreRadioChoice(design::ControlId group, std::size_t byte);
  void ServoStep(int direction);
  // EditPath, for the window's parts.
  void Validate() override { Sanitize(); }
  void ApplyImageEdit() override { ApplyEdit(EditFrom::Image); }
  void RequestRedraw(std::uint32_t bits) override { redrawFlags_ |= bits; }
  void CommitForTransfer() override;
  void ShowArrivedImage() override;
  void ShowDraggedImage(int pin) override;
  void ForgetFileName() override;
  void ForgetPreviousSet() override;
  void AfterNewSet() override;
  // print::PrintedWindow
  void SetPrinting(bool printing) override { printing_ = printing; }
  void ShowStatus(std::string_view text, ui::Colour background) override;

  // Undo history.
  void InitHistory();
  void TakeSnapshot() override;
  void UpdateUndoButtons();
  void ShowSnapshotStep();

  WindowSettings CurrentSettings() const;
  void LoadSettings();
  void SaveSettings();

  ProcessState& process_;
  ui::FormHost& host_;
  ConfigPaths paths_;
  ui::ControlModel controls_;
  TFormAbout about_;
  ParameterSet set_;
  TextTable texts_{};
  StatusLine status_{controls_};
  LinkPanel link_;
  MapPanel map_;
  View3DPanel view3d_;
  GraphPanel graph_;
  FilePanel files_;
  print::WindowPrinter printer_;
  std::uint32_t redrawFlags_ = kRedrawRelayout;  // the first tick lays the graphs out
  bool refreshGuard_ = false;                    // set while the image is copied into the controls
  bool bikeChanged_ = false;
  bool printing_ = false;
  bool testMode_ = false;
};

}  // namespace zarvell
