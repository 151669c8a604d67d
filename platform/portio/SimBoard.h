#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "AddressList.h"
#include "Ports.h"

namespace portio {

struct BoardState;

// The board state file used when no path is given: velk-board.state under
// $XDG_RUNTIME_DIR, or /tmp/velk-board-<uid>.state.
std::string DefaultBoardPath();

// The simulated evaluation board: the I2C adapter and the data-enable shift
// register on the parallel port (reachable at both LPT 1 and LPT 2), with
// the virtual target chips. Its state lives in a memory-mapped file shared
// by every process that opens the same path; each operation holds a robust
// process-shared mutex, so a process that dies holding it never leaves the
// board locked. A second robust mutex, the transfer lock, keeps a whole
// transfer free of the port operations of every other board object; a port
// operation made outside any transfer waits for another object's transfer
// to end, so it never lands inside one.
class SimBoard {
public:
    struct DeWord {
        uint16_t word = 0;
        uint32_t latchCount = 0;  // how many words were latched since the reset
    };

    // Holds the board lock across several steps of the caller's own; no call
    // of this board may be made while it is held (the lock is not recursive).
    class Lock {
    public:
        explicit Lock(SimBoard& board);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        SimBoard& board_;
    };

    // Takes the transfer lock, waiting while another process holds it. Board
    // calls may be made while it is held; it is not recursive, and waiting
    // for it on the thread that holds it (through a second SimBoard on the
    // same file) is a PortError rather than a hang.
    void BeginTransfer();
    void EndTransfer() noexcept;

    explicit SimBoard(const std::string& path);
    ~SimBoard();
    SimBoard(const SimBoard&) = delete;
    SimBoard& operator=(const SimBoard&) = delete;

    const std::string& path() const { return path_; }

    void Out(uint16_t port, uint8_t value);
    uint8_t In(uint16_t port);
    BusLines lines();

    std::array<uint8_t, 256> Registers(uint8_t address);
    void SetRegister(uint8_t address, uint8_t reg, uint8_t value);
    DeWord LastDeWord();
    AnsweringSet Answering();
    void SetAnswering(const AnsweringSet& answering);
    uint64_t OperationCount();
    // Back to the state of a new board: registers 0, every address
    // answering, bus idle, no word latched.
    void Reset();

private:
    // The lock of one port operation, taken when no other object's
    // transfer is under way.
    class PortOperation {
    public:
        explicit PortOperation(SimBoard& board);
        ~PortOperation();

    private:
        SimBoard& board_;
    };

    void Acquire();
    void Release();

    std::string path_;
    BoardState* state_ = nullptr;
    uint64_t token_;  // names this object as the transfer holder
};

}  // namespace portio
