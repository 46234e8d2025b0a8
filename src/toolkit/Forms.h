#pragma once
// Forms and the application object.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/Desktop.h"
#include "toolkit/StdCtrls.h"

class TForm;

enum class TBorderStyle { None, Single, Dialog, Sizeable, SizeToolWin };
enum class TFormStyle { Normal, StayOnTop };
enum class TPosition { Designed, ScreenCenter };

using TCloseQueryEvent = std::function<void(TComponent& sender, bool& canClose)>;

class TApplication {
 public:
  explicit TApplication(ToolkitBackend& backend);
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  ToolkitBackend& Backend() const { return backend_; }
  // The hidden top-level window that stands for the application (task bar, activation).
  WindowHandle Handle();
  std::string Title = "Tarnwick";

  // The first form created is the main form; closing it ends the message loop.
  TForm* MainForm() const { return mainForm_; }
  bool ShowMainForm = true;

  // Called at idle moments of the message loop while set; `done` = true waits for the
  // next message before calling again.
  std::function<void(bool& done)> OnIdle;
  // The application lost the activation to another program.
  std::function<void()> OnDeactivate;

  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }

  int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
  // The standard exception box: the application title and the message.
  void ShowException(const std::string& message);

  // Forms register themselves as they are created.
  void AddForm(TForm* form);
  void RemoveForm(TForm* form);

 private:
  ToolkitBackend& backend_;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
};

class TForm : public TControl {
 public:
  TForm(TApplication& application, std::string name);
  ~TForm() override;
  std::string ClassName() const override { return "TForm"; }
  TApplication* Application() const override { return &application_; }

  // The form's window; realised (hidden) on first use.
  WindowHandle Handle();
  bool HandleAllocated() const { return Peer != nullptr; }

  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  void SetClientSize(int width, int height);
  TBorderStyle BorderStyle = TBorderStyle::Sizeable;
  bool BorderIcons = true;  // system menu and caption buttons
  TFormStyle FormStyle = TFormStyle::Normal;
  TPosition Position = TPosition::Designed;
  TFont Font;

  // Whether the backend scales the form's sizes, its controls' places and its font from
  // 96-DPI layout units to its monitor's pixels (see Scaling.h). A form that is not
  // scaled is sized in its monitor's pixels and scales what it draws itself.
  bool Scaled = true;
  // The DPI of the monitor the form's window is on; before it has one, the screen's.
  int PixelsPerInch() const { return pixelsPerInch_; }
  // The backend's report that the window now shows at another DPI, with the rectangle the
  // system suggests for it: a scaled form keeps its layout and takes the new top-left
  // corner, one that is not scaled takes the rectangle.
  void ChangeScale(int pixelsPerInch, const TRect& suggested);

  void Show();
  void Hide();
  // Runs the form modally and returns how it was closed.
  TModalResult ShowModal();
  bool Modal() const { return modal_; }
  TModalResult ModalResult() const { return modalResult_; }
  // Asks the form to close with `result` (the close query may refuse); returns whether it
  // closed. For a form that is not modal this is Close.
  bool CloseWith(TModalResult result);
  void Close();
  // Backends set the modal result without a close query when their loop ends.
  void StoreModalResult(TModalResult result) { modalResult_ = result; }

  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnShow;
  TNotifyEvent OnClose;
  // The control that has the input focus (or null).
  TControl* ActiveControl = nullptr;

  // Messages sent or posted to the form's window, before default handling. Returns
  // true when the message was handled, with its result in `result`.
  virtual bool HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                             std::intptr_t& result);

 protected:
  bool CloseQuery();

 private:
  TApplication& application_;
  int clientWidth_ = 0, clientHeight_ = 0;
  int pixelsPerInch_;
  bool modal_ = false;
  TModalResult modalResult_ = mrNone;
};
