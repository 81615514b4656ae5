// Widgets and models whose lifetime their Qt parent takes over.
#ifndef QUORVANE_UI_QT_QT_MAKE_CHILD_H_
#define QUORVANE_UI_QT_QT_MAKE_CHILD_H_

#include <memory>
#include <utility>

namespace quorvane {

// Creates a T whose lifetime the Qt parent takes over (Qt deletes children with their parent).
template <typename T, typename Parent, typename... Args>
T* MakeChild(Parent* parent, Args&&... args) {
    auto child = std::make_unique<T>(std::forward<Args>(args)...);
    child->setParent(parent);
    return child.release();
}

}  // namespace quorvane

#endif  // QUORVANE_UI_QT_QT_MAKE_CHILD_H_
