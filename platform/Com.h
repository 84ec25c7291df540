#pragma once

namespace corvane::platform {

// COM for the interface thread.
class ComService {
public:
    virtual ~ComService() = default;
    // Held by reference in Services; never assigned.
    ComService& operator=(const ComService&) = delete;
    // False when COM could not be initialised.
    virtual bool Initialize() = 0;
    // Called once after a successful Initialize.
    virtual void Uninitialize() = 0;
};

// Where there is no COM: initialising always succeeds and does nothing.
class NoComService final : public ComService {
public:
    bool Initialize() override { return true; }
    void Uninitialize() override {}
};

}  // namespace corvane::platform
