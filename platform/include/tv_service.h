// TV service interface: factories of per-profile control objects, the records
// they exchange, and the helpers that build navigation criteria.
//
// Objects handed out by the factories belong to the TV service; callers never
// release them. Results: factories return 0 on success; methods return a
// positive value on success unless a comment says otherwise.
#pragma once

#include <list>
#include <map>
#include <string>

#include "platform_rows.h"

enum EProfile : int { PROFILE_TYPE_MAIN = 1, PROFILE_TYPE_PIP = 101 };

enum EPictureSizeType : int {
    PICTURESIZE_16_9 = 0,
    PICTURESIZE_FIT_TO_SCREEN = 1,
    PICTURESIZE_CUSTOM = 2,
    PICTURESIZE_4_3 = 3,
    PICTURESIZE_21_9 = 4,
    PICTURESIZE_AUTO = 5,
    PICTURESIZE_CAPTION = 6,
    PICTURESIZE_ORIGINAL_RATIO = 7,
};

enum EScreenModeData : int {
    SCREENMODE_16_9 = 0,
    SCREENMODE_ZOOM = 2,
    SCREENMODE_4_3 = 3,
    SCREENMODE_21_9 = 4,
};

enum EScreenFitOptionType : int {
    SCREENFITOPTION_OFF = 0,
    SCREENFITOPTION_ON = 1,
    SCREENFITOPTION_AUTO = 2,
};

enum ESource : int {
    SOURCE_TV = 0,
    SOURCE_AV1 = 1,
    SOURCE_AV2 = 2,
    SOURCE_AV3 = 3,
    SOURCE_COMPONENT1 = 7,
    SOURCE_COMPONENT2 = 8,
    SOURCE_COMPONENT3 = 9,
    SOURCE_PC1 = 10,
    SOURCE_PC2 = 11,
    SOURCE_PC3 = 12,
    SOURCE_HDMI1 = 13,
    SOURCE_HDMI2 = 14,
    SOURCE_HDMI3 = 15,
    SOURCE_HDMI4 = 16,
};

// 0 is available; anything else is not.
enum ESourceStatus : int { SOURCE_STATUS_AVAILABLE = 0, SOURCE_STATUS_NOT_AVAILABLE = 1 };

enum ENavigationMode : int { NAVIGATION_MODE_ALL = 0 };

enum ESortOrder : int { SORT_ORDER_ASCENDING = 0, SORT_ORDER_DESCENDING = 1 };

struct TSTvMode {
    int antennaMode;
    int serviceMode;
};

class TCServiceData;
class TCCriteriaHelper;
class IVideoControl;
class IAVControl;
class ISourceControl;
class IServiceNavigation;
class IUtil;
class IReferenceCount;

// What a source status check answers, by source.
using ESourceStatusMap = std::map<ESource, ESourceStatus>;
// The records a service list call puts in.
using ServiceList = std::list<TCServiceData *>;

// One field of a service record.
struct TSServiceField {
    int id;
    unsigned long long value;
};

// The rows of the TV service's functions (platform_rows.h).
// clang-format off
#define PLATFORM_CRITERIA_HELPER(X) \
    X(TCCriteriaHelper, void, Fetch, (in, int, field)) \
    X(TCCriteriaHelper, void, WhereNot, (in, int, field), (in, unsigned long long, value)) \
    X(TCCriteriaHelper, void, OrderBy, (in, int, field), (in, ESortOrder, order)) \
    X(TCCriteriaHelper, void, RemoveOrderBy, (in, int, field))
/* both fill the criteria for a TV mode; true on success */
#define PLATFORM_NAVIGATION_MODE_HELPER(X) \
    X(TCNavigationModeHelper, bool, GetNavigationCriteria, (in, ENavigationMode, mode), (in, TSTvMode, tvMode), (criteria, TCCriteriaHelper &, criteria), (hex, unsigned long long, id)) \
    X(TCNavigationModeHelper, bool, GetNavigationCriteria, (in, TSTvMode, tvMode), (in, ENavigationMode, mode), (criteria, TCCriteriaHelper &, criteria), (hex, unsigned long long, id))
/* true on success */
#define PLATFORM_SERVICE_DATA_UTILITY(X) \
    X(TCServiceDataUtility, bool, GetServiceName, (in, unsigned long long, serviceId), (out, std::wstring &, name), (in, bool, full))
/* -1 is failure for the picture size and screen mode methods, exactly 1 is
   success for screen fit and auto wide */
#define PLATFORM_VIDEO_CONTROL(X) \
    X(IVideoControl, int, GetScreenMode, (out, EScreenModeData *, mode)) \
    X(IVideoControl, int, SetScreenMode, (in, EScreenModeData, mode), (in, bool, commit)) \
    X(IVideoControl, int, SetAspectRatio, (in, EPictureSizeType, size), (in, bool, commit)) \
    X(IVideoControl, int, GetPictureSize, (out, EPictureSizeType *, size)) \
    X(IVideoControl, int, ResetPicture) \
    X(IVideoControl, int, SetScreenFitOption, (in, EScreenFitOptionType, option), (in, bool, commit)) \
    X(IVideoControl, int, GetScreenFitOption, (out, EScreenFitOptionType *, option)) \
    X(IVideoControl, int, GetAutoWideOption, (out, bool *, on)) \
    X(IVideoControl, int, SetAutoWideOption, (in, bool, on), (in, bool, commit)) \
    X(IVideoControl, int, GetPanoramaOption, (out, bool *, on)) \
    X(IVideoControl, int, SetPanoramaOption, (in, bool, on), (in, bool, commit))
#define PLATFORM_AV_CONTROL(X) \
    X(IAVControl, int, SetAnalogCleanView, (in, bool, on))
/* SetSource: exactly 1 is success */
#define PLATFORM_SOURCE_CONTROL(X) \
    X(ISourceControl, int, SetSource, (in, ESource, source), (in, const std::string &, text)) \
    X(ISourceControl, int, CheckSourceStatus, (in, const std::list<ESource> &, sources), (out, ESourceStatusMap &, status))
/* GetServiceList: -1 is failure; the caller deletes the records put into the list */
#define PLATFORM_SERVICE_NAVIGATION(X) \
    X(IServiceNavigation, int, SetService, (in, unsigned long long, serviceId), (in, int, arg1), (in, int, arg2), (in, const std::string &, text)) \
    X(IServiceNavigation, int, GetTvMode, (out, TSTvMode &, mode)) \
    X(IServiceNavigation, int, SetTvMode, (in, TSTvMode, mode), (in, const std::string &, text)) \
    X(IServiceNavigation, int, GetCurrentServiceInfo, (in, TSTvMode, mode), (criteria, TCCriteriaHelper &, criteria), (out, TCServiceData &, service)) \
    X(IServiceNavigation, int, GetNextService, (criteria, TCCriteriaHelper &, criteria), (out, TCServiceData &, service)) \
    X(IServiceNavigation, int, GetPreviousService, (criteria, TCCriteriaHelper &, criteria), (out, TCServiceData &, service)) \
    X(IServiceNavigation, int, GetServiceList, (criteria, TCCriteriaHelper &, criteria), (out, ServiceList &, services), (in, TSTvMode, mode), (in, int, arg1), (in, int, arg2))
#define PLATFORM_UTIL(X) \
    X(IUtil, int, SelectMasterAudio, (in, EProfile, profile), (in, int, arg)) \
    X(IUtil, int, GetMasterAudio, (out, EProfile *, profile), (out, int *, arg))
/* tells the TV service that a client uses a profile */
#define PLATFORM_REFERENCE_COUNT(X) \
    X(IReferenceCount, int, IncreaseCount) \
    X(IReferenceCount, int, DecreaseCount)
/* the factories; CreateReferenceCount gives null on failure */
#define PLATFORM_TV_SERVICE_API(X) \
    X(TVServiceAPI, int, CreateVideoControl, (in, EProfile, profile), (in, int, arg), (out, IVideoControl **, out)) \
    X(TVServiceAPI, int, CreateAVControl, (in, EProfile, profile), (in, int, arg), (out, IAVControl **, out)) \
    X(TVServiceAPI, int, CreateSourceControl, (in, EProfile, profile), (in, int, arg), (out, ISourceControl **, out)) \
    X(TVServiceAPI, int, CreateServiceNavigation, (in, EProfile, profile), (in, int, arg), (out, IServiceNavigation **, out)) \
    X(TVServiceAPI, int, CreateUtil, (out, IUtil **, out)) \
    X(TVServiceAPI, IReferenceCount *, CreateReferenceCount)
// clang-format on

// A service (channel) record: fields addressed by id. Its members work on
// the caller's copy, not on the TV service.
class TCServiceData {
public:
    TCServiceData();
    TCServiceData(const TCServiceData &other);
    TCServiceData &operator=(const TCServiceData &other);
    virtual ~TCServiceData();

    // Null when the record has no such field.
    const TSServiceField *GetField(int id) const;
    void SetField(int id, unsigned long long value);
    void Clear();

private:
    void *m_fields;
};

// Which services a navigation call considers and in which order.
class TCCriteriaHelper {
public:
    TCCriteriaHelper();
    TCCriteriaHelper(const TCCriteriaHelper &other) = delete;
    TCCriteriaHelper &operator=(const TCCriteriaHelper &other) = delete;
    ~TCCriteriaHelper();

    PLATFORM_CRITERIA_HELPER(PLATFORM_DECLARE_MEMBER)

private:
    void *m_criteria;
};

class TCNavigationModeHelper {
public:
    PLATFORM_NAVIGATION_MODE_HELPER(PLATFORM_DECLARE_STATIC)
};

class TCServiceDataUtility {
public:
    PLATFORM_SERVICE_DATA_UTILITY(PLATFORM_DECLARE_STATIC)
};

// The interfaces of the objects the factories hand out; rows in the order of
// their virtual slots.
class IVideoControl {
public:
    PLATFORM_VIDEO_CONTROL(PLATFORM_DECLARE_VIRTUAL)

protected:
    ~IVideoControl() = default;
};

class IAVControl {
public:
    PLATFORM_AV_CONTROL(PLATFORM_DECLARE_VIRTUAL)

protected:
    ~IAVControl() = default;
};

class ISourceControl {
public:
    PLATFORM_SOURCE_CONTROL(PLATFORM_DECLARE_VIRTUAL)

protected:
    ~ISourceControl() = default;
};

class IServiceNavigation {
public:
    PLATFORM_SERVICE_NAVIGATION(PLATFORM_DECLARE_VIRTUAL)

protected:
    ~IServiceNavigation() = default;
};

class IUtil {
public:
    PLATFORM_UTIL(PLATFORM_DECLARE_VIRTUAL)

protected:
    ~IUtil() = default;
};

class IReferenceCount {
public:
    PLATFORM_REFERENCE_COUNT(PLATFORM_DECLARE_VIRTUAL)

protected:
    ~IReferenceCount() = default;
};

class TVServiceAPI {
public:
    PLATFORM_TV_SERVICE_API(PLATFORM_DECLARE_STATIC)
};
