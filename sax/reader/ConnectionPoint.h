#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "ComPtr.h"
#include "ConnectionPoints.h"
#include "OfferInterface.h"

// One outgoing interface of the reader and its subscribers, in subscription
// order. The point shares the reader's lifetime: its reference counting goes
// to the reader's controlling unknown. A subscriber is accepted when it
// answers `iid` (or `alternative`, for dispatch interfaces: IID_IDispatch).
template <class Interface>
class ConnectionPoint final : public IConnectionPoint {
public:
    ConnectionPoint(IUnknown& owner, IConnectionPointContainer& container, const IID& iid, const IID* alternative)
        : owner_(owner), container_(container), iid_(iid), alternative_(alternative)
    {
    }

    const IID& iid() const { return iid_; }

    // The subscribers now, each with a reference, for one parse.
    std::vector<ComPtr<Interface>> snapshot() const
    {
        std::vector<ComPtr<Interface>> result;
        result.reserve(subscribers_.size());
        for (const auto& entry : subscribers_) result.push_back(entry.second);
        return result;
    }

    HRESULT QueryInterface(const IID& iid, void** object) override
    {
        return OfferInterface<IConnectionPoint>(this, iid, object, {IID_IUnknown, IID_IConnectionPoint});
    }
    ULONG AddRef() override { return owner_.AddRef(); }
    ULONG Release() override { return owner_.Release(); }

    HRESULT GetConnectionInterface(IID* iid) override
    {
        if (!iid) return E_POINTER;
        *iid = iid_;
        return S_OK;
    }
    HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) override
    {
        if (!container) return E_POINTER;
        container_.AddRef();
        *container = &container_;
        return S_OK;
    }
    HRESULT Advise(IUnknown* sink, DWORD* cookie) override
    {
        if (!sink || !cookie) return E_POINTER;
        *cookie = 0;
        ComPtr<Interface> subscriber;
        if (FAILED(sink->QueryInterface(iid_, subscriber.outVoid())) &&
            (!alternative_ || FAILED(sink->QueryInterface(*alternative_, subscriber.outVoid()))))
            return CONNECT_E_CANNOTCONNECT;
        if (!subscriber) return CONNECT_E_CANNOTCONNECT;
        subscribers_.emplace_back(++lastCookie_, std::move(subscriber));
        *cookie = lastCookie_;
        return S_OK;
    }
    HRESULT Unadvise(DWORD cookie) override
    {
        for (auto it = subscribers_.begin(); it != subscribers_.end(); ++it) {
            if (it->first == cookie) {
                subscribers_.erase(it);
                return S_OK;
            }
        }
        return CONNECT_E_NOCONNECTION;
    }
    HRESULT EnumConnections(IEnumConnections** connections) override
    {
        if (connections) *connections = nullptr;
        return E_NOTIMPL;
    }

    // Drops every subscriber (the reader is going away).
    void clear() { subscribers_.clear(); }

private:
    IUnknown& owner_;
    IConnectionPointContainer& container_;
    const IID iid_;
    const IID* alternative_;
    DWORD lastCookie_ = 0;
    std::vector<std::pair<DWORD, ComPtr<Interface>>> subscribers_;
};
