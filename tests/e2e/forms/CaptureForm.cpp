// twcaptureform: one hot-key capture field of the real toolkit in a modal form, so that the
// end-to-end scenarios can press real keys into it before any dialog of the program that
// holds one can be opened.
//   twcaptureform [file]
// Every change of the field's text rewrites <file> (default: twcaptureform.txt beside the
// executable) with the text alone and appends "text=<text>" to <file>.log; when the form
// closes (Enter presses its OK button) the log gets "closed result=<modal result>
// text=<text>". Every key down also appends "down=<key code> value=<the text parsed back,
// as its registration takes it> text=<text>". Texts are the field's code page 932 bytes.
// clang-format off
#include "toolkit/win32/Win32Backend.h"  // first: it orders the portable and Windows headers
// clang-format on
#include <shellapi.h>

#include <string>

#include "commands/HotKey.h"
#include "commands/HotKeyCapture.h"
#include "platform/win32/Win32Desktop.h"
#include "toolkit/Layout.h"

namespace {

void WriteFileBytes(const std::wstring& path, const std::string& bytes, bool append) {
  HANDLE file = CreateFileW(path.c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            append ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::wstring DefaultOutputPath() {
  wchar_t path[MAX_PATH * 2];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
  std::wstring result(path, length);
  const size_t dot = result.find_last_of(L'.');
  if (dot != std::wstring::npos && dot > result.find_last_of(L"\\/")) result.resize(dot);
  return result + L".txt";
}

std::wstring OutputPath() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::wstring path = argv && argc > 1 ? std::wstring(argv[1]) : DefaultOutputPath();
  LocalFree(argv);
  return path;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const std::wstring output = OutputPath();
  const std::wstring log = output + L".log";
  WriteFileBytes(log, "", false);

  Win32Desktop desktop;
  auto backend = CreateWin32Backend(instance);
  TModalResult result = mrNone;
  std::string text;
  {
    TApplication app(*backend);
    app.Title = "twcaptureform";
    TForm form(app, "CaptureForm");
    form.BorderStyle = TBorderStyle::Dialog;
    form.Position = TPosition::ScreenCenter;
    form.SetClientSize(260, 100);
    form.SetCaption("Hot-key capture");

    auto* field = Place<TLabeledEdit>(&form, &form, "LabeledEditHotKey", 16, 32, 228, 21);
    field->SetLabelCaption("Hot key");
    field->TabStop = true;
    MakeHotKeyCaptureField(desktop, *field);
    auto capture = field->OnKeyDown;
    field->OnKeyDown = [&, capture](TComponent& sender, std::uint16_t& key, TShiftState shift) {
      capture(sender, key, shift);
      static constexpr char kDigits[] = "0123456789abcdef";
      auto hex = [](unsigned value) {
        std::string text;
        do text.insert(text.begin(), kDigits[value & 0xF]);
        while (value >>= 4);
        return "0x" + text;
      };
      WriteFileBytes(log,
                     "down=" + hex(key) + " value=" + hex(TextToHotKey(desktop, field->Text())) +
                         " text=" + field->Text() + "\n",
                     true);
    };
    // As in the options dialog: entering the field must not select what it shows.
    field->AutoSelect = false;
    field->OnChange = [&](TComponent&) {
      WriteFileBytes(output, field->Text(), false);
      WriteFileBytes(log, "text=" + field->Text() + "\n", true);
    };

    auto* ok = Place<TButton>(&form, &form, "OKBtn", 170, 66, 75, 25);
    ok->SetCaption("OK");
    ok->ModalResult = mrOk;
    ok->Default = true;

    form.ActiveControl = field;
    result = form.ShowModal();
    text = field->Text();
  }
  WriteFileBytes(output, text, false);
  WriteFileBytes(log, "closed result=" + std::to_string(result) + " text=" + text + "\n", true);
  return 0;
}
