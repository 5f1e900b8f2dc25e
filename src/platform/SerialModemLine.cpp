#include "platform/SerialModemLine.h"

#include <sys/ioctl.h>
#include <termios.h>

bool CSerialModemLine::HasCarrier(int portIndex) {
    if (portIndex < 0 || portIndex > 3) {
        return false;
    }
    CFileDescriptor& port = m_ports[portIndex];
    if (!port.IsOpen()) {
        const std::string path = m_directory + "/ttyS" + std::to_string(portIndex);
        port = CFileDescriptor(open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    }
    int lines = 0;
    if (!port.IsOpen() || ioctl(port.Get(), TIOCMGET, &lines) != 0) {
        port = CFileDescriptor(); // gone or no serial port: try again next time
        return false;
    }
    return (lines & TIOCM_CAR) != 0;
}
