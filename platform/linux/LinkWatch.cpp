#include "platform/LinkWatch.h"

#include "platform/SystemSource.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <linux/if.h>
#include <linux/if_arp.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace trumbel {

namespace {

// Large enough for any datagram the kernel sends a reader (dumps come in pieces of at most 32 KiB).
constexpr std::size_t kDatagramBytes = 64 * 1024;
constexpr int kStartDumpWaitMs = 1000;

bool LinkIsOperational(unsigned flags, unsigned operstate) {
    if ((flags & IFF_UP) == 0) {
        return false;
    }
    // Drivers that keep no state (loopback, tun, ppp) count as up while they have carrier.
    return operstate == IF_OPER_UP || (operstate == IF_OPER_UNKNOWN && (flags & IFF_LOWER_UP));
}

// Asks the kernel for a dump of one kind of message; `body` follows the header. True once the
// whole request went out.
template <typename Body>
bool SendDumpRequest(int fd, std::uint16_t type, std::uint32_t sequence, const Body& body) {
    struct {
        nlmsghdr header;
        Body body;
    } request{};
    request.header.nlmsg_len = sizeof request;
    request.header.nlmsg_type = type;
    request.header.nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
    request.header.nlmsg_seq = sequence;
    request.body = body;
    sockaddr_nl kernel{};
    kernel.nl_family = AF_NETLINK;
    return ::sendto(fd, &request, sizeof request, 0, reinterpret_cast<const sockaddr*>(&kernel),
                    sizeof kernel) == static_cast<ssize_t>(sizeof request);
}

} // namespace

std::int32_t IfTypeOfHardware(long long arphrd) {
    switch (arphrd) {
    case ARPHRD_ETHER:
        return kIfTypeEthernet;
    case ARPHRD_PPP:
        return kIfTypePpp;
    case ARPHRD_LOOPBACK:
        return kIfTypeLoopback;
    default:
        return kIfTypeOther;
    }
}

LinkWatch::LinkWatch() {
    fd_ = ::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC | SOCK_NONBLOCK, NETLINK_ROUTE);
    if (fd_ < 0) {
        return;
    }
    sockaddr_nl local{};
    local.nl_family = AF_NETLINK;
    local.nl_groups = RTMGRP_LINK;
    if (::bind(fd_, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        ::close(fd_);
        fd_ = -1;
        return;
    }
    buffer_.resize(kDatagramBytes);
    dumpWanted_ = true;
    Drain();
    // The first dump normally arrives within the request; wait a little for a slow kernel.
    for (int waited = 0; dumping_ && waited < kStartDumpWaitMs; waited += 100) {
        pollfd p{fd_, POLLIN, 0};
        ::poll(&p, 1, 100);
        Drain();
    }
}

LinkWatch::~LinkWatch() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

const LinkInfo* LinkWatch::Find(std::string_view name) const {
    const auto at = indexByName_.find(name);
    if (at == indexByName_.end()) {
        return nullptr;
    }
    const auto entry = byIndex_.find(at->second);
    return entry == byIndex_.end() ? nullptr : &entry->second.info;
}

const LinkInfo* LinkWatch::FindIndex(std::int32_t ifIndex) const {
    const auto at = byIndex_.find(ifIndex);
    return at == byIndex_.end() ? nullptr : &at->second.info;
}

bool LinkWatch::Drain() {
    if (fd_ < 0) {
        return false;
    }
    changed_ = false;
    for (;;) {
        if (ReceiveOnce()) {
            continue;
        }
        if (dumpWanted_ && !dumping_) {
            RequestDump();
            if (dumping_) {
                continue;
            }
        }
        break;
    }
    if (changed_) {
        ++generation_;
    }
    return changed_;
}

void LinkWatch::RequestDump() {
    ifinfomsg body{};
    body.ifi_family = AF_UNSPEC;
    if (SendDumpRequest(fd_, RTM_GETLINK, ++sequence_, body)) {
        dumpWanted_ = false;
        dumping_ = true;
        dumpInterrupted_ = false;
    }
}

bool LinkWatch::ReceiveOnce() {
    const ssize_t n = ::recv(fd_, buffer_.data(), buffer_.size(), MSG_DONTWAIT);
    if (n < 0) {
        if (errno == EINTR) {
            return true;
        }
        if (errno == ENOBUFS) {
            // Notifications were dropped: only a fresh dump tells what the table is now.
            dumpWanted_ = true;
            return true;
        }
        return false;
    }
    std::size_t left = static_cast<std::size_t>(n);
    for (auto* h = reinterpret_cast<const nlmsghdr*>(buffer_.data()); NLMSG_OK(h, left);
         h = NLMSG_NEXT(h, left)) {
        const bool ofDump = dumping_ && h->nlmsg_seq == sequence_;
        if (ofDump && (h->nlmsg_flags & NLM_F_DUMP_INTR)) {
            dumpInterrupted_ = true;
        }
        switch (h->nlmsg_type) {
        case NLMSG_DONE:
            if (ofDump) {
                FinishDump();
            }
            break;
        case NLMSG_ERROR:
            if (ofDump) {
                dumping_ = false; // the kernel refused the dump; notifications still come
            }
            break;
        case RTM_NEWLINK:
        case RTM_DELLINK:
            Apply(h, h->nlmsg_len);
            break;
        default:
            break;
        }
    }
    return true;
}

void LinkWatch::Apply(const void* message, std::size_t length) {
    const auto* h = static_cast<const nlmsghdr*>(message);
    if (length < NLMSG_LENGTH(sizeof(ifinfomsg))) {
        return;
    }
    const auto* link = static_cast<const ifinfomsg*>(NLMSG_DATA(h));
    if (link->ifi_family != AF_UNSPEC) {
        return; // a bridge's news about a port (leaving a bridge is a "delete" there)
    }
    const std::int32_t index = link->ifi_index;
    if (h->nlmsg_type == RTM_DELLINK) {
        Forget(index);
        return;
    }
    std::string_view name;
    unsigned operstate = IF_OPER_UNKNOWN;
    std::size_t attrLeft = IFLA_PAYLOAD(h);
    for (const rtattr* a = IFLA_RTA(link); RTA_OK(a, attrLeft); a = RTA_NEXT(a, attrLeft)) {
        const auto* data = static_cast<const char*>(RTA_DATA(a));
        const std::size_t size = RTA_PAYLOAD(a);
        if (a->rta_type == IFLA_IFNAME && size > 0) {
            name = std::string_view(data, strnlen(data, size));
        } else if (a->rta_type == IFLA_OPERSTATE && size >= 1) {
            operstate = static_cast<unsigned char>(data[0]);
        }
    }
    Entry& e = byIndex_[index];
    if (dumping_) {
        e.dumpSeen = sequence_; // listed, or announced while the dump runs: present either way
    }
    LinkInfo next{name.empty() ? e.info.name : std::string(name), index,
                  IfTypeOfHardware(link->ifi_type), LinkIsOperational(link->ifi_flags, operstate)};
    if (next.name != e.info.name) {
        const auto old = indexByName_.find(e.info.name);
        if (old != indexByName_.end() && old->second == index) {
            indexByName_.erase(old);
        }
        indexByName_[next.name] = index;
    } else if (next.ifIndex == e.info.ifIndex && next.type == e.info.type && next.up == e.info.up) {
        return; // a notification about something this table does not hold
    }
    e.info = std::move(next);
    changed_ = true;
}

void LinkWatch::Forget(std::int32_t ifIndex) {
    const auto at = byIndex_.find(ifIndex);
    if (at == byIndex_.end()) {
        return;
    }
    const auto name = indexByName_.find(at->second.info.name);
    if (name != indexByName_.end() && name->second == ifIndex) {
        indexByName_.erase(name);
    }
    byIndex_.erase(at);
    changed_ = true;
}

void LinkWatch::FinishDump() {
    dumping_ = false;
    // What the dump did not list has gone while notifications were lost.
    std::vector<std::int32_t> gone;
    for (const auto& [index, entry] : byIndex_) {
        if (entry.dumpSeen != sequence_) {
            gone.push_back(index);
        }
    }
    for (const std::int32_t index : gone) {
        Forget(index);
    }
    if (dumpInterrupted_) {
        dumpWanted_ = true; // the table changed under the dump: it may have missed a link
    }
}

LinkCounterReader::LinkCounterReader() {
    fd_ = ::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_ROUTE);
    if (fd_ >= 0) {
        buffer_.resize(kDatagramBytes);
        const timeval patience{1, 0}; // the kernel answers at once; never hang the tick on it
        ::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
    }
}

LinkCounterReader::~LinkCounterReader() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool LinkCounterReader::Read(std::vector<LinkCounters>& out) {
    out.clear();
    if (fd_ < 0) {
        return false;
    }
    if_stats_msg body{};
    body.family = AF_UNSPEC;
    body.filter_mask = IFLA_STATS_FILTER_BIT(IFLA_STATS_LINK_64);
    if (!SendDumpRequest(fd_, RTM_GETSTATS, ++sequence_, body)) {
        return false;
    }
    for (;;) {
        const ssize_t n = ::recv(fd_, buffer_.data(), buffer_.size(), 0);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        std::size_t left = static_cast<std::size_t>(n);
        for (auto* h = reinterpret_cast<const nlmsghdr*>(buffer_.data()); NLMSG_OK(h, left);
             h = NLMSG_NEXT(h, left)) {
            if (h->nlmsg_seq != sequence_) {
                continue; // the rest of an earlier dump that was given up
            }
            if (h->nlmsg_type == NLMSG_DONE) {
                return true;
            }
            if (h->nlmsg_type == NLMSG_ERROR) {
                ::close(fd_); // an old kernel: it will not learn the request
                fd_ = -1;
                return false;
            }
            if (h->nlmsg_type != RTM_NEWSTATS ||
                h->nlmsg_len < NLMSG_LENGTH(sizeof(if_stats_msg))) {
                continue;
            }
            const auto* msg = static_cast<const if_stats_msg*>(NLMSG_DATA(h));
            std::size_t attrLeft = h->nlmsg_len - NLMSG_LENGTH(sizeof(if_stats_msg));
            const auto* a = reinterpret_cast<const rtattr*>(reinterpret_cast<const char*>(msg) +
                                                            NLMSG_ALIGN(sizeof(if_stats_msg)));
            for (; RTA_OK(a, attrLeft); a = RTA_NEXT(a, attrLeft)) {
                if (a->rta_type != IFLA_STATS_LINK_64 ||
                    RTA_PAYLOAD(a) < sizeof(rtnl_link_stats64)) {
                    continue;
                }
                rtnl_link_stats64 stats;
                std::memcpy(&stats, RTA_DATA(a), sizeof stats); // attributes are 4-byte aligned
                out.push_back(
                    {static_cast<std::int32_t>(msg->ifindex), stats.rx_bytes, stats.tx_bytes});
            }
        }
    }
}

} // namespace trumbel
