#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace calvorin::toolkit {

class OptionButton;

// Controls sharing one name, addressed by index; their events carry the index.
template <class T> class ControlArray {
  public:
    explicit ControlArray(std::size_t count) : items_(count) { link(); }

    T& operator[](int index) { return items_.at(static_cast<std::size_t>(index)); }
    const T& operator[](int index) const { return items_.at(static_cast<std::size_t>(index)); }
    int count() const { return static_cast<int>(items_.size()); }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }

    void setOnClick(std::function<void(int)> handler) {
        for (int i = 0; i < count(); ++i)
            (*this)[i].onClick = [handler, i] { handler(i); };
    }
    void setOnMouseMove(std::function<void(int)> handler) {
        for (int i = 0; i < count(); ++i)
            (*this)[i].onMouseMove = [handler, i] { handler(i); };
    }

  private:
    // The members of an option array exclude each other.
    void link() {
        if constexpr (requires(T t) { t.group; }) {
            std::vector<T*> members;
            for (auto& item : items_) members.push_back(&item);
            for (auto& item : items_) item.group = members;
        }
    }
    std::deque<T> items_; // stable addresses: peers and groups hold pointers to elements
};

} // namespace calvorin::toolkit
