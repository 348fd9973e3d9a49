// Proxies of the TV service's interfaces: each records its methods' calls and
// hands them to the object the factory gave out.
#pragma once

#include <map>
#include <string>

#include "tv_service.h"

namespace recorder {

// "{antenna, service}", as the journal writes a TV mode.
std::string mode_text(const TSTvMode &mode);
// Wide text as UTF-8.
std::string narrow(const std::wstring &wide);
// The fields a service record holds.
std::map<int, unsigned long long> fields_of(const TCServiceData &service);

// One proxy per object, kept for the life of the process as the TV service
// keeps its objects; the provider may hold them after recording stops.
template <typename Proxy, typename Interface> Interface *proxy_of(Interface *real)
{
    static auto *proxies = new std::map<Interface *, Proxy *>;
    auto it = proxies->find(real);
    if (it == proxies->end())
        it = proxies->emplace(real, new Proxy(real)).first;
    return it->second;
}

class VideoControlProxy final : public IVideoControl {
public:
    explicit VideoControlProxy(IVideoControl *real) : real_(real) {}
    int GetScreenMode(EScreenModeData *mode) override;
    int SetScreenMode(EScreenModeData mode, bool commit) override;
    int SetAspectRatio(EPictureSizeType size, bool commit) override;
    int GetPictureSize(EPictureSizeType *size) override;
    int ResetPicture() override;
    int SetScreenFitOption(EScreenFitOptionType option, bool commit) override;
    int GetScreenFitOption(EScreenFitOptionType *option) override;
    int GetAutoWideOption(bool *on) override;
    int SetAutoWideOption(bool on, bool commit) override;
    int GetPanoramaOption(bool *on) override;
    int SetPanoramaOption(bool on, bool commit) override;

private:
    IVideoControl *real_;
};

class AVControlProxy final : public IAVControl {
public:
    explicit AVControlProxy(IAVControl *real) : real_(real) {}
    int SetAnalogCleanView(bool on) override;

private:
    IAVControl *real_;
};

class SourceControlProxy final : public ISourceControl {
public:
    explicit SourceControlProxy(ISourceControl *real) : real_(real) {}
    int SetSource(ESource source, const std::string &text) override;
    int CheckSourceStatus(const std::list<ESource> &sources,
                          std::map<ESource, ESourceStatus> &status) override;

private:
    ISourceControl *real_;
};

class ServiceNavigationProxy final : public IServiceNavigation {
public:
    explicit ServiceNavigationProxy(IServiceNavigation *real) : real_(real) {}
    int SetService(unsigned long long service_id, int arg1, int arg2,
                   const std::string &text) override;
    int GetTvMode(TSTvMode &mode) override;
    int SetTvMode(TSTvMode mode, const std::string &text) override;
    int GetCurrentServiceInfo(TSTvMode mode, TCCriteriaHelper &criteria,
                              TCServiceData &service) override;
    int GetNextService(TCCriteriaHelper &criteria, TCServiceData &service) override;
    int GetPreviousService(TCCriteriaHelper &criteria, TCServiceData &service) override;
    int GetServiceList(TCCriteriaHelper &criteria, std::list<TCServiceData *> &services,
                       TSTvMode mode, int arg1, int arg2) override;

private:
    IServiceNavigation *real_;
};

class UtilProxy final : public IUtil {
public:
    explicit UtilProxy(IUtil *real) : real_(real) {}
    int SelectMasterAudio(EProfile profile, int arg) override;
    int GetMasterAudio(EProfile *profile, int *arg) override;

private:
    IUtil *real_;
};

class ReferenceCountProxy final : public IReferenceCount {
public:
    explicit ReferenceCountProxy(IReferenceCount *real) : real_(real) {}
    int IncreaseCount() override;
    int DecreaseCount() override;

private:
    IReferenceCount *real_;
};

}  // namespace recorder
