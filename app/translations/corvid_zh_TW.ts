<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>CNewFileWidgets</name>
    <message>
        <source>Select protocol</source>
        <translation>選擇協定</translation>
    </message>
    <message>
        <source>CANopen</source>
        <translation>CANopen</translation>
    </message>
    <message>
        <source>DeviceNet</source>
        <translation>DeviceNet</translation>
    </message>
    <message>
        <source>EtherNet/IP</source>
        <translation>EtherNet/IP</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>載入</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>型號：</translation>
    </message>
    <message>
        <source>ComPort:</source>
        <translation>序列埠：</translation>
    </message>
    <message>
        <source>Baud rate:</source>
        <translation>鮑率：</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>協定：</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>位址：</translation>
    </message>
    <message>
        <source>Auto test</source>
        <translation>自動測試</translation>
    </message>
    <message>
        <source>Stop test</source>
        <translation>停止測試</translation>
    </message>
    <message>
        <source>Test modbus address</source>
        <translation>測試 Modbus 位址</translation>
    </message>
    <message>
        <source>Test serial port</source>
        <translation>測試序列埠</translation>
    </message>
    <message>
        <source>Test protocol</source>
        <translation>測試協定</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>狀態：</translation>
    </message>
    <message>
        <source>Module:</source>
        <translation>模組：</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>裝置：</translation>
    </message>
    <message>
        <source>Communication setting</source>
        <translation>通訊設定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ColumnHeader</name>
    <message>
        <source>Index</source>
        <translation>索引</translation>
    </message>
    <message>
        <source>Parameter Name</source>
        <translation>參數名稱</translation>
    </message>
    <message>
        <source>Low Limit</source>
        <translation>下限</translation>
    </message>
    <message>
        <source>High Limit</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>Default Value</source>
        <translation>預設值</translation>
    </message>
    <message>
        <source>Data Type</source>
        <translation>資料類型</translation>
    </message>
    <message>
        <source>Object Type</source>
        <translation>物件類型</translation>
    </message>
    <message>
        <source>Access Type</source>
        <translation>存取類型</translation>
    </message>
    <message>
        <source>Mappable</source>
        <translation>可對應</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>關鍵字</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>註解</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>區段</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>參數</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>編號</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Link Path Size</source>
        <extracomment>32783</extracomment>
        <translation>連接路徑長度</translation>
    </message>
    <message>
        <source>Link Path</source>
        <extracomment>32784</extracomment>
        <translation>連接路徑</translation>
    </message>
    <message>
        <source>Descriptor</source>
        <extracomment>32785</extracomment>
        <translation>描述符</translation>
    </message>
    <message>
        <source>Data Size</source>
        <extracomment>32787</extracomment>
        <translation>資料長度</translation>
    </message>
    <message>
        <source>Units String</source>
        <extracomment>32789</extracomment>
        <translation>單位字串</translation>
    </message>
    <message>
        <source>Help String</source>
        <extracomment>32790</extracomment>
        <translation>說明字串</translation>
    </message>
    <message>
        <source>Minimum Value</source>
        <extracomment>32791</extracomment>
        <translation>最小值</translation>
    </message>
    <message>
        <source>Maximum Value</source>
        <extracomment>32792</extracomment>
        <translation>最大值</translation>
    </message>
    <message>
        <source>Scaling Multiplier</source>
        <extracomment>32794</extracomment>
        <translation>縮放乘數</translation>
    </message>
    <message>
        <source>Scaling Divide</source>
        <extracomment>32795</extracomment>
        <translation>縮放除數</translation>
    </message>
    <message>
        <source>Scaling Base</source>
        <extracomment>32796</extracomment>
        <translation>縮放基數</translation>
    </message>
    <message>
        <source>Scaling Offset</source>
        <extracomment>32797</extracomment>
        <translation>縮放偏移量</translation>
    </message>
    <message>
        <source>Enum</source>
        <extracomment>32798</extracomment>
        <translation>列舉</translation>
    </message>
    <message>
        <source>Multiplier Link</source>
        <extracomment>32799</extracomment>
        <translation>乘數連結</translation>
    </message>
    <message>
        <source>Divisor Link</source>
        <extracomment>32800</extracomment>
        <translation>除數連結</translation>
    </message>
    <message>
        <source>Base Link</source>
        <extracomment>32801</extracomment>
        <translation>基數連結</translation>
    </message>
    <message>
        <source>Offset Link</source>
        <extracomment>32802</extracomment>
        <translation>偏移量連結</translation>
    </message>
    <message>
        <source>Decimal Precision</source>
        <extracomment>32803</extracomment>
        <translation>小數精度</translation>
    </message>
    <message>
        <source>Group</source>
        <extracomment>32808</extracomment>
        <translation>群組</translation>
    </message>
    <message>
        <source>Paste Object</source>
        <extracomment>61206</extracomment>
        <translation>貼上物件</translation>
    </message>
    <message>
        <source>New Object</source>
        <extracomment>61207</extracomment>
        <translation>新增物件</translation>
    </message>
    <message>
        <source>Invalid Index!</source>
        <extracomment>61208</extracomment>
        <translation>無效的索引！</translation>
    </message>
    <message>
        <source>Index [%1] has already existed! Do you want to replace it?</source>
        <extracomment>61209</extracomment>
        <translation>索引 [%1] 已存在！是否取代？</translation>
    </message>
    <message>
        <source>Object [%1] does not exist, you can not add subindex!</source>
        <extracomment>61210</extracomment>
        <translation>物件 [%1] 不存在，無法新增子索引！</translation>
    </message>
    <message>
        <source>Subindex [%1sub%2] has already existed! Do you want to replace it?</source>
        <extracomment>61211</extracomment>
        <translation>子索引 [%1sub%2] 已存在！是否取代？</translation>
    </message>
    <message>
        <source>Open File:  %1  has already opened.</source>
        <extracomment>61218</extracomment>
        <translation>開啟檔案：%1 已經開啟。</translation>
    </message>
    <message>
        <source>Save File:  Save file %1</source>
        <extracomment>61221</extracomment>
        <translation>儲存檔案：儲存檔案 %1</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>61241</extracomment>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Do you want to delete this object?<byte value="xd"/>
%1</source>
        <extracomment>61246</extracomment>
        <translation>是否刪除此物件？<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Open File:  %1 is a CANopen EDS file.</source>
        <extracomment>70001</extracomment>
        <translation>開啟檔案：%1 是 CANopen EDS 檔案。</translation>
    </message>
    <message>
        <source>Open File:  %1 is a DeviceNet EDS file.</source>
        <extracomment>70002</extracomment>
        <translation>開啟檔案：%1 是 DeviceNet EDS 檔案。</translation>
    </message>
    <message>
        <source>Open File:  %1 is an EtherNet/IP EDS file.</source>
        <extracomment>70003</extracomment>
        <translation>開啟檔案：%1 是 EtherNet/IP EDS 檔案。</translation>
    </message>
    <message>
        <source>Open File:  %1: unreadable: %2</source>
        <extracomment>70004</extracomment>
        <translation>開啟檔案：%1：無法讀取：%2</translation>
    </message>
    <message>
        <source>Save File:  Failure to save file %1: %2</source>
        <extracomment>70005</extracomment>
        <translation>儲存檔案：儲存檔案 %1 失敗：%2</translation>
    </message>
    <message>
        <source>Do you want to save changes to the file?
%1.eds</source>
        <extracomment>70006</extracomment>
        <translation>是否儲存對檔案的變更？
%1.eds</translation>
    </message>
    <message>
        <source>Open File:  %1 keeps %2 and %3 that Corvid does not edit; they are saved as read.</source>
        <extracomment>70007</extracomment>
        <translation>開啟檔案：%1 含有 Corvid 不編輯的 %2和 %3；儲存時將依原樣寫回。</translation>
    </message>
    <message>
        <source>%1 line</source>
        <extracomment>70008</extracomment>
        <translation>%1 行</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <extracomment>70009</extracomment>
        <translation>%1 行</translation>
    </message>
    <message>
        <source>%1 section</source>
        <extracomment>70010</extracomment>
        <translation>%1 個區段</translation>
    </message>
    <message>
        <source>%1 sections</source>
        <extracomment>70011</extracomment>
        <translation>%1 個區段</translation>
    </message>
    <message>
        <source>EDS Files(*.eds)</source>
        <extracomment>70012</extracomment>
        <translation>EDS 檔案(*.eds)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <extracomment>70013</extracomment>
        <translation>所有檔案(*.*)</translation>
    </message>
    <message>
        <source>Edit:  %1: &quot;%2&quot; refused, %3; the value is unchanged.</source>
        <extracomment>70020</extracomment>
        <translation>編輯：%1：「%2」被拒絕，%3；值保持不變。</translation>
    </message>
    <message>
        <source>Edit:  %1 cannot be edited.</source>
        <extracomment>70021</extracomment>
        <translation>編輯：%1 不可編輯。</translation>
    </message>
    <message>
        <source>Edit:  %1 cannot be deleted.</source>
        <extracomment>70022</extracomment>
        <translation>編輯：%1 不可刪除。</translation>
    </message>
    <message>
        <source>not a number from 0 to %1</source>
        <extracomment>70023</extracomment>
        <translation>不是 0 到 %1 之間的數字</translation>
    </message>
    <message>
        <source>not 0 or 1</source>
        <extracomment>70024</extracomment>
        <translation>不是 0 或 1</translation>
    </message>
    <message>
        <source>&quot;,&quot;, &quot;;&quot; and &quot;$&quot; would split the entry</source>
        <extracomment>70025</extracomment>
        <translation>「,」、「;」和「$」會拆分該條目</translation>
    </message>
    <message>
        <source>not a data type of DataType.ini</source>
        <extracomment>70026</extracomment>
        <translation>不是 DataType.ini 中的資料型別</translation>
    </message>
    <message>
        <source>not an object type of ObjectType.ini</source>
        <extracomment>70027</extracomment>
        <translation>不是 ObjectType.ini 中的物件類型</translation>
    </message>
    <message>
        <source>an object with sub-indexes must be DEFSTRUCT, ARRAY or RECORD</source>
        <extracomment>70028</extracomment>
        <translation>帶子索引的物件必須是 DEFSTRUCT、ARRAY 或 RECORD</translation>
    </message>
    <message>
        <source>not ro, wo, rw, rwr, rww or const</source>
        <extracomment>70029</extracomment>
        <translation>不是 ro、wo、rw、rwr、rww 或 const</translation>
    </message>
    <message>
        <source>Auto Test:  Automatically testing serial port.</source>
        <extracomment>70040</extracomment>
        <translation>自動測試：正在自動測試序列埠。</translation>
    </message>
    <message>
        <source>Auto Test:  Failure to automatically test serial port.</source>
        <extracomment>70041</extracomment>
        <translation>自動測試：自動測試序列埠失敗。</translation>
    </message>
    <message>
        <source>Auto Test:  Success in automatically testing serial port %1: %2, %3, address %4.</source>
        <extracomment>70042</extracomment>
        <translation>自動測試：自動測試序列埠 %1 成功：%2，%3，位址 %4。</translation>
    </message>
    <message>
        <source>Auto Test:  Automatic test of serial port stopped.</source>
        <extracomment>70300</extracomment>
        <translation>自動測試：已停止自動測試序列埠。</translation>
    </message>
    <message>
        <source>Load File:  Failure to open serial port.</source>
        <extracomment>70043</extracomment>
        <translation>載入檔案：開啟序列埠失敗。</translation>
    </message>
    <message>
        <source>Load File:  Failure to connect with VFD motor drive.</source>
        <extracomment>70044</extracomment>
        <translation>載入檔案：與變頻器連線失敗。</translation>
    </message>
    <message>
        <source>Load File:  Loading CANopen EDS file.</source>
        <extracomment>70045</extracomment>
        <translation>載入檔案：正在載入 CANopen EDS 檔案。</translation>
    </message>
    <message>
        <source>Load File:  Loading DeviceNet EDS file.</source>
        <extracomment>70046</extracomment>
        <translation>載入檔案：正在載入 DeviceNet EDS 檔案。</translation>
    </message>
    <message>
        <source>Load File:  Reading data from %1</source>
        <extracomment>70047</extracomment>
        <translation>載入檔案：正在從 %1 讀取資料</translation>
    </message>
    <message>
        <source>Load File:  Reading data from VFD motor drive.</source>
        <extracomment>70048</extracomment>
        <translation>載入檔案：正在從變頻器讀取資料。</translation>
    </message>
    <message>
        <source>Load File:  File %1 has already been loaded.</source>
        <extracomment>70049</extracomment>
        <translation>載入檔案：檔案 %1 已經載入。</translation>
    </message>
    <message>
        <source>Load File:  Cannot read %1: %2</source>
        <extracomment>70050</extracomment>
        <translation>載入檔案：無法讀取 %1：%2</translation>
    </message>
    <message>
        <source>Load File:  EtherNet/IP EDS files are not generated from a drive; choose a model from the catalogue.</source>
        <extracomment>70051</extracomment>
        <translation>載入檔案：EtherNet/IP EDS 檔案無法從驅動器產生；請從目錄中選擇型號。</translation>
    </message>
    <message>
        <source>Load File:  The serial settings could not be saved in %1: %2</source>
        <extracomment>70052</extracomment>
        <translation>載入檔案：序列埠設定無法儲存到 %1：%2</translation>
    </message>
    <message>
        <source>Load File:  Configure.ini: bit rate &quot;%1&quot; is not one of the list; using 9600.</source>
        <extracomment>70053</extracomment>
        <translation>載入檔案：Configure.ini：鮑率「%1」不在清單中；使用 9600。</translation>
    </message>
    <message>
        <source>Load File:  Configure.ini: framing &quot;%1&quot; is not one of the list; using 8 N 2 RTU.</source>
        <extracomment>70054</extracomment>
        <translation>載入檔案：Configure.ini：通訊格式「%1」不在清單中；使用 8 N 2 RTU。</translation>
    </message>
    <message>
        <source>Load File:  Configure.ini: address &quot;%1&quot; is not 0 to 255; using 255.</source>
        <extracomment>70055</extracomment>
        <translation>載入檔案：Configure.ini：位址「%1」不在 0 到 255 之間；使用 255。</translation>
    </message>
    <message>
        <source>Load File:  The template has no object 0x1018 with sub-indexes 2 and 3; its identity is not updated.</source>
        <extracomment>70056</extracomment>
        <translation>載入檔案：範本中沒有帶子索引 2 和 3 的物件 0x1018；不更新其識別資訊。</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>70057</extracomment>
        <translation>警告</translation>
    </message>
    <message>
        <source>Load File:  ManuDefine.ini [%1] gives no group index in key &quot;0&quot;; the group is left out.</source>
        <extracomment>70058</extracomment>
        <translation>載入檔案：ManuDefine.ini [%1] 的鍵「0」中沒有群組索引；略過該群組。</translation>
    </message>
    <message>
        <source>Load File: Warning : Param[%1][%2]&apos;s minimum is greater than maximum.</source>
        <extracomment>70059</extracomment>
        <translation>載入檔案：警告：Param[%1][%2] 的最小值大於最大值。</translation>
    </message>
    <message>
        <source>Load File: Warning : Param[%1][%2]&apos;s default value is not between the maximum and minimum.</source>
        <extracomment>70060</extracomment>
        <translation>載入檔案：警告：Param[%1][%2] 的預設值不在最大值和最小值之間。</translation>
    </message>
    <message>
        <source>Load File: Warning : Param%1&apos;s minimum is greater than maximum.</source>
        <extracomment>70061</extracomment>
        <translation>載入檔案：警告：Param%1 的最小值大於最大值。</translation>
    </message>
    <message>
        <source>Load File: Warning : Param%1&apos;s default value is not between the maximum and minimum.</source>
        <extracomment>70062</extracomment>
        <translation>載入檔案：警告：Param%1 的預設值不在最大值和最小值之間。</translation>
    </message>
    <message>
        <source>Load File:  Object 0x%1: %2</source>
        <extracomment>70063</extracomment>
        <translation>載入檔案：物件 0x%1：%2</translation>
    </message>
    <message>
        <source>key &quot;%1&quot; names no register; left out.</source>
        <extracomment>70064</extracomment>
        <translation>鍵「%1」未指定暫存器；已略過。</translation>
    </message>
    <message>
        <source>register 0x%1 would be sub-index 0; left out.</source>
        <extracomment>70065</extracomment>
        <translation>暫存器 0x%1 將成為子索引 0；已略過。</translation>
    </message>
    <message>
        <source>register 0x%1 repeats sub-index %2; left out.</source>
        <extracomment>70066</extracomment>
        <translation>暫存器 0x%1 與子索引 %2 重複；已略過。</translation>
    </message>
    <message>
        <source>parameters past 254 are left out.</source>
        <extracomment>70067</extracomment>
        <translation>超過 254 個的參數已略過。</translation>
    </message>
    <message>
        <source>Load File: Error occurs when reading register 0x%1.</source>
        <extracomment>70068</extracomment>
        <translation>載入檔案：讀取暫存器 0x%1 時發生錯誤。</translation>
    </message>
    <message>
        <source>WARNING: Error occurs when reading register 0x%1!</source>
        <extracomment>70069</extracomment>
        <translation>警告：讀取暫存器 0x%1 時發生錯誤！</translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>70100</extracomment>
        <translation>值</translation>
    </message>
    <message>
        <source>File Title</source>
        <extracomment>70101</extracomment>
        <translation>檔案標題</translation>
    </message>
    <message>
        <source>File Open Path</source>
        <extracomment>70102</extracomment>
        <translation>檔案開啟路徑</translation>
    </message>
    <message>
        <source>File Save Path</source>
        <extracomment>70103</extracomment>
        <translation>檔案儲存路徑</translation>
    </message>
    <message>
        <source>Index</source>
        <extracomment>70104</extracomment>
        <translation>索引</translation>
    </message>
    <message>
        <source>Parameter Name</source>
        <extracomment>70105</extracomment>
        <translation>參數名稱</translation>
    </message>
    <message>
        <source>Low Limit</source>
        <extracomment>70106</extracomment>
        <translation>下限</translation>
    </message>
    <message>
        <source>High Limit</source>
        <extracomment>70107</extracomment>
        <translation>上限</translation>
    </message>
    <message>
        <source>Default Value</source>
        <extracomment>70108</extracomment>
        <translation>預設值</translation>
    </message>
    <message>
        <source>Data Type</source>
        <extracomment>70109</extracomment>
        <translation>資料型別</translation>
    </message>
    <message>
        <source>Object Type</source>
        <extracomment>70110</extracomment>
        <translation>物件類型</translation>
    </message>
    <message>
        <source>Access Type</source>
        <extracomment>70111</extracomment>
        <translation>存取類型</translation>
    </message>
    <message>
        <source>Mappable</source>
        <extracomment>70112</extracomment>
        <translation>可對應</translation>
    </message>
    <message>
        <source>a double quote inside would end the text early</source>
        <extracomment>70030</extracomment>
        <translation>中間的雙引號會使文字提前結束</translation>
    </message>
    <message>
        <source>&quot;,&quot;, &quot;;&quot;, &quot;$&quot; and an unclosed quote would split the entry</source>
        <extracomment>70031</extracomment>
        <translation>「,」、「;」、「$」和未閉合的引號會拆分該條目</translation>
    </message>
    <message>
        <source>&quot;;&quot;, &quot;$&quot; and an unclosed quote would cut the entry</source>
        <extracomment>70032</extracomment>
        <translation>「;」、「$」和未閉合的引號會截斷該條目</translation>
    </message>
    <message>
        <source>the row needs %1 fields split by exactly %2 comma, and no &quot;;&quot; or &quot;$&quot; outside quotes</source>
        <extracomment>70033</extracomment>
        <translation>該列需要 %1 個欄位，以恰好 %2 個逗號分隔，且引號外不能有「;」或「$」</translation>
    </message>
    <message>
        <source>the row needs %1 fields split by exactly %2 commas, and no &quot;;&quot; or &quot;$&quot; outside quotes</source>
        <extracomment>70034</extracomment>
        <translation>該列需要 %1 個欄位，以恰好 %2 個逗號分隔，且引號外不能有「;」或「$」</translation>
    </message>
    <message>
        <source>%1 has already existed! Do you want to replace it?</source>
        <extracomment>70035</extracomment>
        <translation>%1 已存在！是否取代？</translation>
    </message>
    <message>
        <source>Do you want to delete this object?<byte value="xd"/>
%1<byte value="xd"/>
%2 is named by %3.</source>
        <extracomment>70036</extracomment>
        <translation>是否刪除此物件？<byte value="xd"/>
%1<byte value="xd"/>
%2 被 %3 參照。</translation>
    </message>
    <message>
        <source>Index is from 1 to 65535.</source>
        <extracomment>70037</extracomment>
        <translation>索引範圍為 1 到 65535。</translation>
    </message>
    <message>
        <source>Size, Bit and Path Size are from 0 to 65535.</source>
        <extracomment>70038</extracomment>
        <translation>Size、Bit 和 Path Size 的範圍為 0 到 65535。</translation>
    </message>
    <message>
        <source>Edit:  IO_Info: %1</source>
        <extracomment>70039</extracomment>
        <translation>編輯：IO_Info：%1</translation>
    </message>
    <message>
        <source>Edit:  %1 has no Insert.</source>
        <extracomment>70080</extracomment>
        <translation>編輯：%1 不支援插入。</translation>
    </message>
    <message>
        <source>Edit:  %1 has no entry %2.</source>
        <extracomment>70081</extracomment>
        <translation>編輯：%1 中沒有條目 %2。</translation>
    </message>
    <message>
        <source>not connection bits 0 to 3 (0 to 0x0F)</source>
        <extracomment>70082</extracomment>
        <translation>不是連線位元 0 到 3（0 到 0x0F）</translation>
    </message>
    <message>
        <source>not a whole number from -32768 to 32767</source>
        <extracomment>70083</extracomment>
        <translation>不是 -32768 到 32767 之間的整數</translation>
    </message>
    <message>
        <source>not descriptor bits 0 to 6 (0 to 0x7F)</source>
        <extracomment>70084</extracomment>
        <translation>不是描述符位元 0 到 6（0 到 0x7F）</translation>
    </message>
    <message>
        <source>not a data type of the list this parameter offers</source>
        <extracomment>70085</extracomment>
        <translation>不是此參數所提供清單中的資料型別</translation>
    </message>
    <message>
        <source>not a group from 1 to %1</source>
        <extracomment>70086</extracomment>
        <translation>不是 1 到 %1 之間的群組</translation>
    </message>
    <message>
        <source>Edit:  Params: no parameter at row %1.</source>
        <extracomment>70087</extracomment>
        <translation>編輯：Params：第 %1 列沒有參數。</translation>
    </message>
    <message>
        <source>State: %1, %2, %3, %4</source>
        <extracomment>70070</extracomment>
        <translation>狀態：%1，%2，%3，%4</translation>
    </message>
    <message>
        <source>Open File:  %1 keeps %2 that Corvid does not edit; they are saved as read.</source>
        <extracomment>70113</extracomment>
        <translation>開啟檔案：%1 含有 Corvid 不編輯的 %2；儲存時將依原樣寫回。</translation>
    </message>
    <message>
        <source>Do you want to delete this EDS file?
%1</source>
        <extracomment>61220</extracomment>
        <translation>是否刪除此 EDS 檔案？
%1</translation>
    </message>
    <message>
        <source>Save As: %1 (%2)</source>
        <extracomment>70014</extracomment>
        <translation>另存新檔：%1 (%2)</translation>
    </message>
    <message>
        <source>Do you want to delete this EDS file?
%1, with unsaved changes</source>
        <extracomment>70015</extracomment>
        <translation>是否刪除此 EDS 檔案？
%1，含未儲存的變更</translation>
    </message>
    <message>
        <source>Remove File:  %1</source>
        <extracomment>70016</extracomment>
        <translation>移除檔案：%1</translation>
    </message>
    <message>
        <source>Check:  %1, %2 in %3</source>
        <extracomment>70114</extracomment>
        <translation>檢查：%3 中有 %1，%2</translation>
    </message>
    <message>
        <source>%1 error</source>
        <extracomment>70115</extracomment>
        <translation>%1 個錯誤</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <extracomment>70116</extracomment>
        <translation>%1 個錯誤</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <extracomment>70117</extracomment>
        <translation>%1 個警告</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <extracomment>70118</extracomment>
        <translation>%1 個警告</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <extracomment>70120</extracomment>
        <translation>編輯 %1</translation>
    </message>
    <message>
        <source>Edit %1 of %2</source>
        <extracomment>70121</extracomment>
        <translation>編輯 %2 的 %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <extracomment>70122</extracomment>
        <translation>刪除 %1</translation>
    </message>
    <message>
        <source>Insert %1</source>
        <extracomment>70123</extracomment>
        <translation>插入 %1</translation>
    </message>
    <message>
        <source>Replace %1</source>
        <extracomment>70124</extracomment>
        <translation>取代 %1</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <extracomment>70125</extracomment>
        <translation>剪下 %1</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <extracomment>70126</extracomment>
        <translation>貼上 %1</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Error occurs when loading help file.</source>
        <translation>載入說明檔案時發生錯誤。</translation>
    </message>
    <message>
        <source>Can&apos;t find file :%1.</source>
        <translation>找不到檔案：%1。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>檢視(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Params</source>
        <translation>參數(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具列</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>新增(&amp;N)...</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開啟(&amp;O)...</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存新檔(&amp;A)...</translation>
    </message>
    <message>
        <source>Save A&amp;ll</source>
        <translation>全部儲存(&amp;L)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>復原(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>取消復原(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>復原 %1(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>取消復原 %1(&amp;R)</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z</source>
        <translation>Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪下(&amp;T)</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>複製(&amp;C)</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼上(&amp;P)</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>刪除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>插入(&amp;I)</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>清除(&amp;L)</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>說明主題(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Revision History</source>
        <translation>修訂歷史(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;About Corvid...</source>
        <translation>關於 Corvid(&amp;A)...</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>最近的檔案(&amp;F)</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
是否取代？</translation>
    </message>
    <message>
        <source>Save in &amp;Corvid Layout</source>
        <translation>以 Corvid 格式儲存(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>檢查(&amp;C)</translation>
    </message>
</context>
<context>
    <name>corvid::app::CAboutDialog</name>
    <message>
        <source>About Corvid</source>
        <translation>關於 Corvid</translation>
    </message>
    <message>
        <source>Corvid Version %1</source>
        <translation>Corvid 版本 %1</translation>
    </message>
    <message>
        <source>Release date: %1</source>
        <translation>發行日期：%1</translation>
    </message>
</context>
<context>
    <name>corvid::app::CBitsPopup</name>
    <message>
        <source>Supports Settable Path</source>
        <translation>支援可設定路徑</translation>
    </message>
    <message>
        <source>Supports Enumerated Strings</source>
        <translation>支援列舉字串</translation>
    </message>
    <message>
        <source>Supports Scaling</source>
        <translation>支援縮放</translation>
    </message>
    <message>
        <source>Supports Scaling Links</source>
        <translation>支援縮放連結</translation>
    </message>
    <message>
        <source>Read-only parameter</source>
        <translation>唯讀參數</translation>
    </message>
    <message>
        <source>Monitor Parameter</source>
        <translation>監視參數</translation>
    </message>
    <message>
        <source>Supports Extended Precision Scaling</source>
        <translation>支援擴充精度縮放</translation>
    </message>
    <message>
        <source>Poll</source>
        <translation>輪詢</translation>
    </message>
    <message>
        <source>Strobe</source>
        <translation>選通</translation>
    </message>
    <message>
        <source>Change of State</source>
        <translation>狀態變化</translation>
    </message>
    <message>
        <source>Cyclic</source>
        <translation>循環</translation>
    </message>
</context>
<context>
    <name>corvid::app::CFindBar</name>
    <message>
        <source>Whole word</source>
        <translation>全字相符</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>尋找(&amp;F)...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>找下一個(&amp;N)</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>找上一個(&amp;P)</translation>
    </message>
    <message>
        <source>Text or CANopen index</source>
        <translation>文字或 CANopen 索引</translation>
    </message>
    <message>
        <source>This file</source>
        <translation>此檔案</translation>
    </message>
    <message>
        <source>All open files</source>
        <translation>所有開啟的檔案</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>尋找：</translation>
    </message>
    <message>
        <source>No hits</source>
        <translation>找不到</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>第 %1 個，共 %2 個</translation>
    </message>
</context>
<context>
    <name>corvid::app::CHelpWindow</name>
    <message>
        <source>Corvid Help</source>
        <translation>Corvid 說明</translation>
    </message>
</context>
<context>
    <name>corvid::app::CIOInsertDialog</name>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Type Mask</source>
        <translation>類型遮罩</translation>
    </message>
    <message>
        <source>Poll</source>
        <translation>輪詢</translation>
    </message>
    <message>
        <source>Strobe</source>
        <translation>選通</translation>
    </message>
    <message>
        <source>Change of State</source>
        <translation>狀態變化</translation>
    </message>
    <message>
        <source>Cyclic</source>
        <translation>循環</translation>
    </message>
    <message>
        <source>Select:</source>
        <translation>選擇：</translation>
    </message>
    <message>
        <source>Index:</source>
        <translation>索引：</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>大小：</translation>
    </message>
    <message>
        <source>Bit:</source>
        <translation>位元：</translation>
    </message>
    <message>
        <source>Default Input:</source>
        <translation>預設輸入：</translation>
    </message>
    <message>
        <source>Default Output:</source>
        <translation>預設輸出：</translation>
    </message>
    <message>
        <source>Name String:</source>
        <translation>名稱字串：</translation>
    </message>
    <message>
        <source>Path Size:</source>
        <translation>路徑大小：</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>路徑：</translation>
    </message>
    <message>
        <source>Help String:</source>
        <translation>說明字串：</translation>
    </message>
</context>
<context>
    <name>corvid::app::CInsertParamDialog</name>
    <message>
        <source>Insert parameter</source>
        <translation>插入參數</translation>
    </message>
    <message>
        <source>Parameter name:</source>
        <translation>參數名稱：</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Insert options</source>
        <translation>插入選項</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>前面</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>後面</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>取代</translation>
    </message>
    <message>
        <source>Parameter:</source>
        <translation>參數：</translation>
    </message>
    <message>
        <source>Insert into:</source>
        <translation>插入位置：</translation>
    </message>
    <message>
        <source>Link path size and path</source>
        <translation>連結路徑大小與路徑</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>路徑：</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>大小：</translation>
    </message>
    <message>
        <source>Descriptor</source>
        <translation>描述元</translation>
    </message>
    <message>
        <source>Settable Path</source>
        <translation>可設定路徑</translation>
    </message>
    <message>
        <source>Enumerated Strings</source>
        <translation>列舉字串</translation>
    </message>
    <message>
        <source>Scaling</source>
        <translation>縮放</translation>
    </message>
    <message>
        <source>Scaling Links</source>
        <translation>縮放連結</translation>
    </message>
    <message>
        <source>Read only parameter</source>
        <translation>唯讀參數</translation>
    </message>
    <message>
        <source>Monitor Parameter</source>
        <translation>監視參數</translation>
    </message>
    <message>
        <source>Extended Precision Scaling</source>
        <translation>擴充精度縮放</translation>
    </message>
    <message>
        <source>Data type and data size</source>
        <translation>資料型別與資料大小</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>型別：</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>最小：</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>最大：</translation>
    </message>
    <message>
        <source>Default:</source>
        <translation>預設：</translation>
    </message>
    <message>
        <source>Mult:</source>
        <translation>乘數：</translation>
    </message>
    <message>
        <source>Div:</source>
        <translation>除數：</translation>
    </message>
    <message>
        <source>Base:</source>
        <translation>基數：</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>偏移：</translation>
    </message>
    <message>
        <source>Scaling links and precision</source>
        <translation>縮放連結與精度</translation>
    </message>
    <message>
        <source>Precision:</source>
        <translation>精度：</translation>
    </message>
    <message>
        <source>Units and help</source>
        <translation>單位與說明</translation>
    </message>
    <message>
        <source>Units:</source>
        <translation>單位：</translation>
    </message>
    <message>
        <source>Help:</source>
        <translation>說明：</translation>
    </message>
    <message>
        <source>Group and enum</source>
        <translation>群組與列舉</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>群組：</translation>
    </message>
    <message>
        <source>Enum:</source>
        <translation>列舉：</translation>
    </message>
</context>
<context>
    <name>corvid::app::CLanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>語言(&amp;L)</translation>
    </message>
    <message>
        <source>In order to make language setup effective, please restart the software!</source>
        <translation>請重新啟動軟體，使語言設定生效！</translation>
    </message>
</context>
<context>
    <name>corvid::app::CMainFrame</name>
    <message>
        <source>Network</source>
        <translation>網路</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就緒</translation>
    </message>
    <message>
        <source>No row of this page shows this problem.</source>
        <translation>本頁沒有顯示此問題的列。</translation>
    </message>
</context>
<context>
    <name>corvid::app::CMessageWindow</name>
    <message>
        <source>Message Window</source>
        <translation>訊息視窗</translation>
    </message>
</context>
<context>
    <name>corvid::app::CNewFileDialog</name>
    <message>
        <source>New EDS File</source>
        <translation>新增 EDS 檔案</translation>
    </message>
    <message>
        <source>Communication setting</source>
        <translation>通訊設定</translation>
    </message>
    <message>
        <source>Select model</source>
        <translation>選擇型號</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>狀態：</translation>
    </message>
</context>
<context>
    <name>corvid::app::CObjectDialog</name>
    <message>
        <source>Object Category:</source>
        <translation>物件類別：</translation>
    </message>
    <message>
        <source>Mandatory</source>
        <translation>必要</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>選用</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>製造商</translation>
    </message>
    <message>
        <source>Mappable:</source>
        <translation>可對應：</translation>
    </message>
    <message>
        <source>Index:</source>
        <translation>索引：</translation>
    </message>
    <message>
        <source>(Hex)</source>
        <translation>（十六進位）</translation>
    </message>
    <message>
        <source>SubIndex:</source>
        <translation>子索引：</translation>
    </message>
    <message>
        <source>Parameter Name:</source>
        <translation>參數名稱：</translation>
    </message>
    <message>
        <source>Object Type:</source>
        <translation>物件類型：</translation>
    </message>
    <message>
        <source>Access Type:</source>
        <translation>存取類型：</translation>
    </message>
    <message>
        <source>Data Type:</source>
        <translation>資料型別：</translation>
    </message>
    <message>
        <source>Low Limit:</source>
        <translation>下限：</translation>
    </message>
    <message>
        <source>High Limit:</source>
        <translation>上限：</translation>
    </message>
    <message>
        <source>Default Value:</source>
        <translation>預設值：</translation>
    </message>
</context>
<context>
    <name>corvid::app::CPageFilter</name>
    <message>
        <source>Filter:</source>
        <translation>篩選：</translation>
    </message>
</context>
<context>
    <name>corvid::app::CProblemsDock</name>
    <message>
        <source>Problems</source>
        <translation>問題</translation>
    </message>
    <message>
        <source>File in front</source>
        <translation>目前檔案</translation>
    </message>
    <message>
        <source>All open files</source>
        <translation>所有開啟的檔案</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
</context>
<context>
    <name>corvid::app::CProblemsModel</name>
    <message>
        <source>error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>note</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>嚴重程度</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>訊息</translation>
    </message>
</context>
<context>
    <name>corvid::app::CProjectWindow</name>
    <message>
        <source>Project Window</source>
        <translation>專案視窗</translation>
    </message>
    <message>
        <source>CANopen</source>
        <translation>CANopen</translation>
    </message>
    <message>
        <source>DeviceNet</source>
        <translation>DeviceNet</translation>
    </message>
    <message>
        <source>EtherNet/IP</source>
        <translation>EtherNet/IP</translation>
    </message>
    <message>
        <source>&amp;New File...</source>
        <translation>新增檔案(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Add Files...</source>
        <translation>加入檔案(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Remove File</source>
        <translation>移除檔案(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Collapse All</source>
        <translation>全部摺疊(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Expand All</source>
        <translation>全部展開(&amp;E)</translation>
    </message>
</context>
<context>
    <name>corvid::app::CSavePromptDialog</name>
    <message>
        <source>YES</source>
        <translation>是</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>否</translation>
    </message>
    <message>
        <source>All Not</source>
        <translation>全部不儲存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>corvid::app::CWaitDialog</name>
    <message>
        <source>Loading</source>
        <translation>正在載入</translation>
    </message>
    <message>
        <source>Please waitting...</source>
        <translation>請稍候...</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Edits CANopen, DeviceNet and EtherNet/IP EDS files. Files given open at start.</source>
        <translation>編輯 CANopen、DeviceNet 和 EtherNet/IP EDS 檔案。啟動時開啟指定的檔案。</translation>
    </message>
    <message>
        <source>EDS files to open.</source>
        <translation>要開啟的 EDS 檔案。</translation>
    </message>
</context>
</TS>
