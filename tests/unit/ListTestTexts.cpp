// The list tests' expected texts (declared in ListTestForms.h). No headers here: this
// file is compiled to code page 932.
namespace list_test::expected {
extern const char* const AddCaption = "追加";
extern const char* const EditCaption = "編集";
extern const char* const DialogAlreadyShown =
    "表示されているウィンドウをモーダルにすることはできません";
}  // namespace list_test::expected
