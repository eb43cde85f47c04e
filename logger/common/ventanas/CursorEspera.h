#pragma once

// The hourglass pointer while a long step runs: shown by the constructor, restored by the
// destructor or by `quita`, whichever comes first.
class CursorEspera {
public:
    CursorEspera();
    ~CursorEspera();
    CursorEspera(const CursorEspera&) = delete;
    CursorEspera& operator=(const CursorEspera&) = delete;
    void quita();

private:
    bool puesto_ = true;
};
