#pragma once
// The root of the toolkit's object tree. A component has a class name and a component
// name that are real (the settings keys are derived from them) and owns the components
// created with it as their owner, destroying them with itself.
#include <memory>
#include <string>
#include <vector>

class TApplication;
class ToolkitBackend;

class TComponent {
 public:
  TComponent(TComponent* owner, std::string name);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // The toolkit class name, for example "TLabeledEdit".
  virtual std::string ClassName() const = 0;
  const std::string& Name() const { return name_; }
  TComponent* Owner() const { return owner_; }
  const std::vector<TComponent*>& Components() const { return components_; }

  // The application this component lives in (through its owner chain); forms answer
  // themselves. Null for a component that has no form above it.
  virtual TApplication* Application() const;
  ToolkitBackend* Backend() const;

  int Tag = 0;
  // Backend-private realisation of the component (a window, a menu item id, ...).
  void* Peer = nullptr;

 protected:
  // Frees the owned components now; forms call it while they are still whole, so that
  // each control can give back its realisation.
  void DestroyComponents();

 private:
  void Remove(TComponent* child);

  TComponent* owner_;
  std::string name_;
  std::vector<TComponent*> components_;
  bool destroying_ = false;
};

// Creates a component owned by `owner`; the owner deletes it.
template <class T, class... Args>
T* Create(TComponent* owner, Args&&... args) {
  return new T(owner, std::forward<Args>(args)...);
}
