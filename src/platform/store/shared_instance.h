#pragma once
// A process-wide instance handed out by ..._GetInstance and given back by ..._ReleaseInstance:
// counted, created by the first taker, destroyed when the last one gives it back.
#include <memory>

namespace kis::store {

template <typename T>
class SharedInstance {
public:
    static T* GetInstance() {
        auto& s = State();
        // Counted only once the object exists: a constructor that throws leaves no taker.
        if (s.count == 0) s.object = std::make_unique<T>();
        ++s.count;
        return s.object.get();
    }
    static void ReleaseInstance() {
        auto& s = State();
        if (s.count == 0) return;
        if (--s.count == 0) s.object.reset();
    }
    static int Count() { return State().count; }

private:
    struct Holder {
        std::unique_ptr<T> object;
        int count = 0;
    };
    static Holder& State() {
        static Holder h;
        return h;
    }
};

}  // namespace kis::store
