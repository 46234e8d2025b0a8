#include "toolkit/OpenDialog.h"

#include "toolkit/Backend.h"

bool TOpenDialog::Execute() {
  ToolkitBackend* backend = Backend();
  return backend && backend->OpenFileDialog(*this);
}
