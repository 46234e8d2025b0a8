#include "toolkit/Component.h"

#include <algorithm>

#include "toolkit/Forms.h"

TComponent::TComponent(TComponent* owner, std::string name)
    : owner_(owner), name_(std::move(name)) {
  if (owner_) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
  DestroyComponents();
  if (owner_ && !owner_->destroying_) owner_->Remove(this);
}

void TComponent::DestroyComponents() {
  destroying_ = true;
  // Later components may refer to earlier ones (a label to its edit), so free in reverse.
  for (auto it = components_.rbegin(); it != components_.rend(); ++it) delete *it;
  components_.clear();
  destroying_ = false;
}

void TComponent::Remove(TComponent* child) {
  components_.erase(std::remove(components_.begin(), components_.end(), child), components_.end());
}

TApplication* TComponent::Application() const {
  return owner_ ? owner_->Application() : nullptr;
}

ToolkitBackend* TComponent::Backend() const {
  TApplication* app = Application();
  return app ? &app->Backend() : nullptr;
}
