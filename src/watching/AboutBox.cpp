#include "watching/AboutBox.h"

#include "toolkit/Layout.h"
#include "watching/AboutBoxTexts.h"

TAboutBox::TAboutBox(TApplication& app, const TVersionInfo& info)
    : TForm(app, "AboutBox"), info_(info) {
  BorderStyle = TBorderStyle::Dialog;
  Position = TPosition::ScreenCenter;
  SetClientSize(335, 70);
  Font = TFont{texts::about::FontName, 12};
  SetCaption(texts::about::Caption);
  CreateControls();
  FormCreate();
}

void TAboutBox::CreateControls() {
  namespace t = texts::about;
  Panel1 = Place<TPanel>(this, this, "Panel1", 8, 8, 238, 54);
  Panel1->BevelInner = TBevelCut::Raised;
  Panel1->BevelOuter = TBevelCut::Lowered;
  ProgramIcon = Place<TIconImage>(this, Panel1, "ProgramIcon", 8, 10, 33, 33);
  ProductName = Place<TLabel>(this, Panel1, "ProductName", 52, 8, 0, 0);
  ProductName->SetCaption(t::ProductName);
  // Fixed width: the version is appended to the caption without the label growing.
  Version = Place<TLabel>(this, Panel1, "Version", 52, 22, 176, 13);
  Version->SetCaption(t::Version);
  Copyright = Place<TLabel>(this, Panel1, "Copyright", 52, 36, 0, 0);
  Copyright->SetCaption(t::Copyright);

  OKButton = Place<TButton>(this, this, "OKButton", 254, 37, 75, 25);
  OKButton->SetCaption(t::Ok);
  OKButton->Default = true;
  OKButton->ModalResult = mrOk;
}

void TAboutBox::FormCreate() {
  const TVersionInfo& info = info_;
  ProductName->SetCaption(info.ProductName);
  Version->SetCaption(Version->Caption() + info.FileVersion);
  Copyright->SetCaption(info.LegalCopyright);
}
