#pragma once
// Serial link to the MVB controller: the UART behind which the controller's
// traffic memory is reached one 16-bit word at a time.

#include "mvb/mvb_types.h"

enum SIU_COMMAND_TYPE {
    SIU_NO_OPERATION_CMD = 0x80,
    SIU_READ_CMD = 0xA0,
    SIU_WRITE_CMD = 0xC0,
    SIU_READ_PORT_CMD = 0xE0,
    SIU_ACK = 0x06,
    SIU_NAK = 0x15,
};

// Reply time-out of one transaction, in milliseconds (VTIME = 10 tenths).
constexpr int SIU_REPLY_TIMEOUT_MS = 1000;
// Once the first byte of a reply is in, the rest follows within microseconds
// on the line; a reply that stops for this long stays incomplete (a lone NAK
// to a read, a lost byte) instead of costing the whole time-out.
constexpr int SIU_REPLY_GAP_MS = 50;

extern INTEGER32 si_fileHandler;       // UART descriptor; -1 after a failed open, 0 before siu_Init
extern UNSIGNED8 si_ReadCmdInProgress; // 1 while a read command waits for its two-byte reply
extern UNSIGNED8 siu_ReadByteFailure;  // sticky: a reply did not arrive; cleared by mvb_setInternalReg
extern UNSIGNED32 siu_RoundTrips;      // replies waited for since start (commissioning and benchmarks)
// Replies that did not arrive whole since start: time-outs, replies cut short,
// a lone NAK to a read, replies lost to a line error. Callers compare the
// count before and after a series of transactions to know whether all of
// them were answered.
extern UNSIGNED32 siu_IncompleteReplies;
// Set when the UART itself failed (read error, hang-up of the far end, port
// not open); cleared by siu_Init. Every later transaction fails at once.
extern UNSIGNED8 siu_LineLost;

int siu_Init();
INTEGER32 siu_openPort();
INTEGER32 siu_configPort(INTEGER32 portHandler);
void siu_sendByte(UNSIGNED8 byte);
void siu_send(unsigned char* buf, unsigned int len);
UNSIGNED16 siu_receiveByte();
void siu_generateAddress(UNSIGNED16 address, UNSIGNED8* d);
INTEGER8 siu_WriteCommand(UNSIGNED16 address, UNSIGNED16 value);
UNSIGNED16 siu_ReadCommand(UNSIGNED16 address);
INTEGER8 siu_nopCommand();

// Reads exactly `len` reply bytes into `buf`, waiting at most one reply
// time-out for the whole batch. Bytes that do not arrive are left zero.
// Returns the number of bytes received, 0 on time-out, -1 when the port is not
// usable. Used by batched reads of several words.
int siu_receiveBytes(unsigned char* buf, unsigned int len);

// Closes the UART (tests and tools, and the display before it opens the line
// again after the line was lost).
void siu_closePort();

// Cuts short the transaction in progress (from any thread) and makes every
// later one fail at once, without a byte on the line, until
// siu_ClearInterrupt(). Used to stop the acquisition without waiting for a
// reply time-out.
void siu_Interrupt();
void siu_ClearInterrupt();
bool siu_Interrupted();

// Reads one word like siu_ReadCommand but waits at most `timeoutMs` for the
// reply, and leaves siu_ReadByteFailure alone. Returns 0 when the reply came
// whole, -1 otherwise. Used by the link supervision to look whether a
// controller answers again.
INTEGER8 siu_ReadCommandWithin(UNSIGNED16 address, int timeoutMs, UNSIGNED16* value);

// siu_receiveBytes with a time-out of `timeoutMs` instead of the reply time-out.
int siu_receiveBytesWithin(unsigned char* buf, unsigned int len, int timeoutMs);
