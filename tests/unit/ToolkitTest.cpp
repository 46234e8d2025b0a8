#include <gtest/gtest.h>

#include "toolkit/Forms.h"
#include "toolkit/Menus.h"
#include "toolkit/SysUtils.h"
#include "toolkit/headless/HeadlessBackend.h"

namespace {

struct ToolkitTest : ::testing::Test {
  HeadlessBackend backend;
  TApplication app{backend};
};

TEST_F(ToolkitTest, ClassAndComponentNamesAreReal) {
  TForm form(app, "OptionDlg");
  auto* edit = Create<TLabeledEdit>(&form, "LabeledEditVirtualDesktopCount");
  auto* memo = Create<TMemo>(&form, "MemoWindowTitle");
  auto* item = Create<TMenuItem>(&form, "MenuItemExit");
  EXPECT_EQ(edit->ClassName(), "TLabeledEdit");
  EXPECT_EQ(edit->Name(), "LabeledEditVirtualDesktopCount");
  EXPECT_EQ(memo->ClassName(), "TMemo");
  EXPECT_EQ(item->ClassName(), "TMenuItem");
  // The edit kinds are siblings: a memo or labelled edit is no plain edit.
  EXPECT_EQ(dynamic_cast<TEdit*>(static_cast<TComponent*>(memo)), nullptr);
  EXPECT_EQ(dynamic_cast<TEdit*>(static_cast<TComponent*>(edit)), nullptr);
  EXPECT_EQ(form.Components().size(), 3u);
}

TEST_F(ToolkitTest, OkButtonClosesModalFormOnlyWhenCloseQueryAllows) {
  TForm form(app, "Dlg");
  auto* ok = Create<TButton>(&form, "OKBtn");
  ok->SetParent(&form);
  ok->ModalResult = mrOk;
  int queries = 0;
  form.OnCloseQuery = [&](TComponent&, bool& canClose) { canClose = ++queries > 1; };
  backend.ModalScript = [&](TForm& f) {
    ok->Click();  // refused by the close query
    EXPECT_EQ(f.ModalResult(), mrNone);
    ok->Click();
  };
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(queries, 2);
  EXPECT_FALSE(form.Visible());
}

TEST_F(ToolkitTest, ModalFormLeftOpenByScriptCountsAsCancel) {
  TForm form(app, "Dlg");
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(backend.ModalForms, std::vector<std::string>{"Dlg"});
}

TEST_F(ToolkitTest, KeyPressHandlerFiltersTypedCharacters) {
  TForm form(app, "Dlg");
  auto* edit = Create<TEdit>(&form, "EditCount");
  edit->OnKeyPress = [](TComponent&, char16_t& key) {
    if (!(key >= u'0' && key <= u'9') && key != 8) key = 0;
  };
  for (char16_t c : std::u16string(u"1a2-")) edit->TypeChar(c);
  EXPECT_EQ(edit->Text(), "12");
  edit->TypeChar(8);
  EXPECT_EQ(edit->Text(), "1");
  edit->SetMaxLength(2);
  edit->TypeChar(u'3');
  edit->TypeChar(u'4');
  EXPECT_EQ(edit->Text(), "13");
}

TEST_F(ToolkitTest, MessageLoopRunsIdleHandlerUntilItRemovesItself) {
  TForm main(app, "FormMain");
  int calls = 0;
  app.OnIdle = [&](bool& done) {
    if (++calls == 3) app.OnIdle = nullptr;
    done = false;
  };
  app.Run();
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(app.MainForm(), &main);
}

TEST_F(ToolkitTest, ClosingMainFormEndsMessageLoop) {
  TForm main(app, "FormMain");
  TForm other(app, "Other");
  bool after = false;
  backend.Post([&] { other.Close(); });
  backend.Post([&] { main.Close(); });
  backend.Post([&] { after = true; });
  app.Run();
  EXPECT_TRUE(app.Terminated());
  EXPECT_FALSE(after);
}

TEST_F(ToolkitTest, StrToIntAcceptsOnlyWholeDecimalIntegersIn32Bits) {
  int v = 0;
  EXPECT_TRUE(TryStrToInt("-42", v));
  EXPECT_EQ(v, -42);
  EXPECT_TRUE(TryStrToInt("2147483647", v));
  EXPECT_FALSE(TryStrToInt("2147483648", v));
  EXPECT_FALSE(TryStrToInt("", v));
  EXPECT_FALSE(TryStrToInt("12a", v));
  EXPECT_FALSE(TryStrToInt(" 1", v));
  EXPECT_THROW(StrToInt("x"), EConvertError);
}

TEST_F(ToolkitTest, AutoCheckMenuItemTogglesBeforeItsHandler) {
  TForm form(app, "Dlg");
  auto* item = Create<TMenuItem>(&form, "MenuItemVirtualDesktopFixed");
  item->AutoCheck = true;
  bool seen = false;
  item->OnClick = [&](TComponent&) { seen = item->Checked(); };
  item->Click();
  EXPECT_TRUE(seen);
}

}  // namespace

namespace {

TEST_F(ToolkitTest, PopupMenuRunsItsPopupHandlerThenTheChosenVisibleItem) {
  TForm form(app, "Dlg");
  auto* menu = Create<TPopupMenu>(&form, "PopupMenuContext");
  auto* hidden = Create<TMenuItem>(&form, "MenuItemHidden");
  auto* fixed = Create<TMenuItem>(&form, "MenuItemFixed");
  hidden->SetVisible(false);
  fixed->AutoCheck = true;
  menu->Items = {hidden, fixed};
  int hiddenClicks = 0;
  hidden->OnClick = [&](TComponent&) { ++hiddenClicks; };
  std::vector<std::string> order;
  menu->OnPopup = [&](TComponent&) { order.push_back("popup"); };
  TMenuItem* choice = hidden;
  backend.PopupScript = [&](TPopupMenu&) {
    order.push_back("track");
    return choice;
  };
  menu->Popup(10, 10);
  EXPECT_EQ(hiddenClicks, 0) << "a hidden item cannot be chosen";
  choice = fixed;
  menu->Popup(10, 10);
  EXPECT_TRUE(fixed->Checked());
  EXPECT_EQ(order, (std::vector<std::string>{"popup", "track", "popup", "track"}));
}

}  // namespace
