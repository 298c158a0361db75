// SPDX-License-Identifier: GPL-3.0-or-later
// The serial port: open one port exclusively, apply its line settings, send with a time limit, and
// hand received bytes to a handler each time the owner polls it.
#pragma once

#include "i18n/KeyedText.h"

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace korvisel {

enum TPortNumber : std::uint8_t {
    pnCustom,
    pnCOM1,
    pnCOM2,
    pnCOM3,
    pnCOM4,
    pnCOM5,
    pnCOM6,
    pnCOM7,
    pnCOM8,
    pnCOM9,
    pnCOM10,
    pnCOM11,
    pnCOM12,
    pnCOM13,
    pnCOM14,
    pnCOM15,
    pnCOM16,
};

enum TBaudRate : std::uint8_t {
    brCustom,
    br110,
    br300,
    br600,
    br1200,
    br2400,
    br4800,
    br9600,
    br14400,
    br19200,
    br38400,
    br56000,
    br57600,
    br115200,
    br128000,
    br256000,
};
enum TDataBits : std::uint8_t { db5BITS, db6BITS, db7BITS, db8BITS };
enum TStopBits : std::uint8_t { sb1BITS, sb1HALFBITS, sb2BITS };
enum TParity : std::uint8_t { ptNONE, ptODD, ptEVEN, ptMARK, ptSPACE };
enum THwFlowControl : std::uint8_t { hfNONE, hfNONERTSON, hfRTSCTS };
enum TSwFlowControl : std::uint8_t { sfNONE, sfXONXOFF };

enum class TModemLine { CTS, DSR, RING, CD };
using TLineStatus = std::set<TModemLine>;

// Bits per second of a speed code; 0 for brCustom.
std::uint32_t BaudRateBits(TBaudRate rate);

class TCommPortDriver;
using TReceiveHandler =
    std::function<void(TCommPortDriver& sender, const std::uint8_t* data, std::size_t count)>;
// Sees every byte that goes out and every chunk that comes in, for the transfer trace.
using TTraceHandler = std::function<void(bool sent, const std::uint8_t* data, std::size_t count)>;

class TCommPortDriver {
public:
    static constexpr std::uint32_t MinBufSize = 128;
    static constexpr std::uint32_t MaxBufSize = 8192;
    static constexpr std::uint16_t MinPollingDelay = 5;

    TCommPortDriver();
    virtual ~TCommPortDriver();
    TCommPortDriver(const TCommPortDriver&) = delete;
    TCommPortDriver& operator=(const TCommPortDriver&) = delete;

    TPortNumber Port() const { return port_; }
    void SetPort(TPortNumber port);
    const std::string& PortName() const { return portName_; }
    void SetPortName(const std::string& name);
    TBaudRate BaudRate() const { return baudRate_; }
    void SetBaudRate(TBaudRate rate);
    std::uint32_t BaudRateValue() const { return baudRateValue_; }
    void SetBaudRateValue(std::uint32_t value);
    TDataBits DataBits() const { return dataBits_; }
    void SetDataBits(TDataBits bits);
    TStopBits StopBits() const { return stopBits_; }
    void SetStopBits(TStopBits bits);
    TParity Parity() const { return parity_; }
    void SetParity(TParity parity);
    THwFlowControl HwFlow() const { return hwFlow_; }
    void SetHwFlow(THwFlowControl flow);
    TSwFlowControl SwFlow() const { return swFlow_; }
    void SetSwFlow(TSwFlowControl flow);
    std::uint32_t InBufSize() const { return inBufSize_; }
    void SetInBufSize(std::uint32_t size);
    std::uint32_t OutBufSize() const { return outBufSize_; }
    void SetOutBufSize(std::uint32_t size);
    std::uint16_t PollingDelay() const { return pollingDelay_; }
    void SetPollingDelay(std::uint16_t delay);
    bool EnableDTROnOpen() const { return enableDtrOnOpen_; }
    void SetEnableDTROnOpen(bool enable) { enableDtrOnOpen_ = enable; }
    std::uint16_t OutputTimeout() const { return outputTimeout_; }
    void SetOutputTimeout(std::uint16_t ms) { outputTimeout_ = ms; }
    bool CheckLineStatus() const { return checkLineStatus_; }
    void SetCheckLineStatus(bool check) { checkLineStatus_ = check; }
    TReceiveHandler OnReceiveData;
    TTraceHandler OnTrace;
    // The owner's polling timer follows this: called when the period changes while the port is open.
    std::function<void(std::uint16_t delay)> OnPollingRestart;

    bool Connect();
    void Disconnect();
    bool IsConnected() const { return fd_ >= 0; }
    // The device went away while the port was open (input/output error, hang-up): the port was closed
    // and stays so until the next Connect.
    bool Lost() const { return lost_; }
    bool ApplyLineSettings();
    bool FlushBuffers(bool input, bool output);
    TLineStatus LineStatus() const;
    std::uint16_t OutputFreeSpace() const;
    std::size_t SendData(const std::uint8_t* data, std::size_t count, std::uint32_t limitMs);
    std::size_t SendData(const std::uint8_t* data, std::size_t count);
    bool SendByte(std::uint8_t byte);
    // One tick of the receive polling; the owner calls it every PollingDelay ms while open.
    void Poll();

    // Why the last Connect or line-settings change failed ("permission denied on /dev/ttyUSB0: ..."),
    // in English; empty after a success. LastFailure() is the same reason for any language.
    std::string LastError() const { return EnglishOf(lastError_); }
    const TKeyedText& LastFailure() const { return lastError_; }
    // Why the last change of line settings on the open port was refused; the port then keeps the
    // settings it had. Empty after a change that applied and after every Connect.
    const TKeyedText& RefusedSettings() const { return refusedSettings_; }

private:
    void ReapplyIfOpen();

    TPortNumber port_ = pnCOM2;
    std::string portName_ = "\\\\.\\COM2";
    TBaudRate baudRate_ = br9600;
    std::uint32_t baudRateValue_ = 9600;
    TDataBits dataBits_ = db8BITS;
    TStopBits stopBits_ = sb1BITS;
    TParity parity_ = ptNONE;
    THwFlowControl hwFlow_ = hfNONERTSON;
    TSwFlowControl swFlow_ = sfNONE;
    std::uint32_t inBufSize_ = 2048;
    std::uint32_t outBufSize_ = 2048;
    std::uint16_t pollingDelay_ = 50;
    bool enableDtrOnOpen_ = true;
    std::uint16_t outputTimeout_ = 500;
    bool checkLineStatus_ = false;

    int fd_ = -1;
    bool lost_ = false;
    std::vector<std::uint8_t> receiveBuffer_;
    TKeyedText lastError_;
    TKeyedText refusedSettings_;

    // Closes the port after an error that ends its use for good.
    void LoseLine(int error);
};

// The device path prefix of the numbered ports.
inline constexpr char DevicePathPrefix[] = "\\\\.\\";

} // namespace korvisel
