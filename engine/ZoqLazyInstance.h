#pragma once

// The process-wide instance of a class: made on first use and destroyed on request, so
// that a test can start from a fresh one. Used from one thread only, as the programs
// use their engine. A class whose constructor and destructor are private befriends
// CZoqLazyInstance<itself>.
template <class T> class CZoqLazyInstance {
public:
    static T* Get() {
        if (!s_instance) {
            s_instance = new T();
        }
        return s_instance;
    }

    static void Release() {
        delete s_instance;
        s_instance = nullptr;
    }

private:
    inline static T* s_instance = nullptr;
};
