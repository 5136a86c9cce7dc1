<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CNewFileWidgets</name>
    <message>
        <source>Select protocol</source>
        <translation>选择协议</translation>
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
        <translation>载入</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>ComPort:</source>
        <translation>串口：</translation>
    </message>
    <message>
        <source>Baud rate:</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>协议：</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>Auto test</source>
        <translation>自动测试</translation>
    </message>
    <message>
        <source>Stop test</source>
        <translation>停止测试</translation>
    </message>
    <message>
        <source>Test modbus address</source>
        <translation>测试 Modbus 地址</translation>
    </message>
    <message>
        <source>Test serial port</source>
        <translation>测试串口</translation>
    </message>
    <message>
        <source>Test protocol</source>
        <translation>测试协议</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>状态：</translation>
    </message>
    <message>
        <source>Module:</source>
        <translation>模块：</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>设备：</translation>
    </message>
    <message>
        <source>Communication setting</source>
        <translation>通信设置</translation>
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
        <translation>参数名称</translation>
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
        <translation>默认值</translation>
    </message>
    <message>
        <source>Data Type</source>
        <translation>数据类型</translation>
    </message>
    <message>
        <source>Object Type</source>
        <translation>对象类型</translation>
    </message>
    <message>
        <source>Access Type</source>
        <translation>访问类型</translation>
    </message>
    <message>
        <source>Mappable</source>
        <translation>可映射</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>关键字</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>节</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>编号</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Link Path Size</source>
        <extracomment>32783</extracomment>
        <translation>连接路径长度</translation>
    </message>
    <message>
        <source>Link Path</source>
        <extracomment>32784</extracomment>
        <translation>连接路径</translation>
    </message>
    <message>
        <source>Descriptor</source>
        <extracomment>32785</extracomment>
        <translation>描述符</translation>
    </message>
    <message>
        <source>Data Size</source>
        <extracomment>32787</extracomment>
        <translation>数据长度</translation>
    </message>
    <message>
        <source>Units String</source>
        <extracomment>32789</extracomment>
        <translation>单位字符串</translation>
    </message>
    <message>
        <source>Help String</source>
        <extracomment>32790</extracomment>
        <translation>帮助字符串</translation>
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
        <translation>缩放乘数</translation>
    </message>
    <message>
        <source>Scaling Divide</source>
        <extracomment>32795</extracomment>
        <translation>缩放除数</translation>
    </message>
    <message>
        <source>Scaling Base</source>
        <extracomment>32796</extracomment>
        <translation>缩放基数</translation>
    </message>
    <message>
        <source>Scaling Offset</source>
        <extracomment>32797</extracomment>
        <translation>缩放偏移量</translation>
    </message>
    <message>
        <source>Enum</source>
        <extracomment>32798</extracomment>
        <translation>枚举</translation>
    </message>
    <message>
        <source>Multiplier Link</source>
        <extracomment>32799</extracomment>
        <translation>乘数链接</translation>
    </message>
    <message>
        <source>Divisor Link</source>
        <extracomment>32800</extracomment>
        <translation>除数链接</translation>
    </message>
    <message>
        <source>Base Link</source>
        <extracomment>32801</extracomment>
        <translation>基数链接</translation>
    </message>
    <message>
        <source>Offset Link</source>
        <extracomment>32802</extracomment>
        <translation>偏移量链接</translation>
    </message>
    <message>
        <source>Decimal Precision</source>
        <extracomment>32803</extracomment>
        <translation>小数精度</translation>
    </message>
    <message>
        <source>Group</source>
        <extracomment>32808</extracomment>
        <translation>组</translation>
    </message>
    <message>
        <source>Paste Object</source>
        <extracomment>61206</extracomment>
        <translation>粘贴对象</translation>
    </message>
    <message>
        <source>New Object</source>
        <extracomment>61207</extracomment>
        <translation>新建对象</translation>
    </message>
    <message>
        <source>Invalid Index!</source>
        <extracomment>61208</extracomment>
        <translation>无效的索引！</translation>
    </message>
    <message>
        <source>Index [%1] has already existed! Do you want to replace it?</source>
        <extracomment>61209</extracomment>
        <translation>索引 [%1] 已存在！是否替换？</translation>
    </message>
    <message>
        <source>Object [%1] does not exist, you can not add subindex!</source>
        <extracomment>61210</extracomment>
        <translation>对象 [%1] 不存在，无法添加子索引！</translation>
    </message>
    <message>
        <source>Subindex [%1sub%2] has already existed! Do you want to replace it?</source>
        <extracomment>61211</extracomment>
        <translation>子索引 [%1sub%2] 已存在！是否替换？</translation>
    </message>
    <message>
        <source>Open File:  %1  has already opened.</source>
        <extracomment>61218</extracomment>
        <translation>打开文件：%1 已经打开。</translation>
    </message>
    <message>
        <source>Save File:  Save file %1</source>
        <extracomment>61221</extracomment>
        <translation>保存文件：保存文件 %1</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>61241</extracomment>
        <translation>删除</translation>
    </message>
    <message>
        <source>Do you want to delete this object?<byte value="xd"/>
%1</source>
        <extracomment>61246</extracomment>
        <translation>是否删除此对象？<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Open File:  %1 is a CANopen EDS file.</source>
        <extracomment>70001</extracomment>
        <translation>打开文件：%1 是 CANopen EDS 文件。</translation>
    </message>
    <message>
        <source>Open File:  %1 is a DeviceNet EDS file.</source>
        <extracomment>70002</extracomment>
        <translation>打开文件：%1 是 DeviceNet EDS 文件。</translation>
    </message>
    <message>
        <source>Open File:  %1 is an EtherNet/IP EDS file.</source>
        <extracomment>70003</extracomment>
        <translation>打开文件：%1 是 EtherNet/IP EDS 文件。</translation>
    </message>
    <message>
        <source>Open File:  %1: unreadable: %2</source>
        <extracomment>70004</extracomment>
        <translation>打开文件：%1：无法读取：%2</translation>
    </message>
    <message>
        <source>Save File:  Failure to save file %1: %2</source>
        <extracomment>70005</extracomment>
        <translation>保存文件：保存文件 %1 失败：%2</translation>
    </message>
    <message>
        <source>Do you want to save changes to the file?
%1.eds</source>
        <extracomment>70006</extracomment>
        <translation>是否保存对文件的更改？
%1.eds</translation>
    </message>
    <message>
        <source>Open File:  %1 keeps %2 and %3 that Corvid does not edit; they are saved as read.</source>
        <extracomment>70007</extracomment>
        <translation>打开文件：%1 含有 Corvid 不编辑的 %2和 %3；保存时将按原样写回。</translation>
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
        <translation>%1 个节</translation>
    </message>
    <message>
        <source>%1 sections</source>
        <extracomment>70011</extracomment>
        <translation>%1 个节</translation>
    </message>
    <message>
        <source>EDS Files(*.eds)</source>
        <extracomment>70012</extracomment>
        <translation>EDS 文件(*.eds)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <extracomment>70013</extracomment>
        <translation>所有文件(*.*)</translation>
    </message>
    <message>
        <source>Edit:  %1: &quot;%2&quot; refused, %3; the value is unchanged.</source>
        <extracomment>70020</extracomment>
        <translation>编辑：%1：“%2”被拒绝，%3；值保持不变。</translation>
    </message>
    <message>
        <source>Edit:  %1 cannot be edited.</source>
        <extracomment>70021</extracomment>
        <translation>编辑：%1 不可编辑。</translation>
    </message>
    <message>
        <source>Edit:  %1 cannot be deleted.</source>
        <extracomment>70022</extracomment>
        <translation>编辑：%1 不可删除。</translation>
    </message>
    <message>
        <source>not a number from 0 to %1</source>
        <extracomment>70023</extracomment>
        <translation>不是 0 到 %1 之间的数字</translation>
    </message>
    <message>
        <source>not 0 or 1</source>
        <extracomment>70024</extracomment>
        <translation>不是 0 或 1</translation>
    </message>
    <message>
        <source>&quot;,&quot;, &quot;;&quot; and &quot;$&quot; would split the entry</source>
        <extracomment>70025</extracomment>
        <translation>“,”、“;”和“$”会拆分该条目</translation>
    </message>
    <message>
        <source>not a data type of DataType.ini</source>
        <extracomment>70026</extracomment>
        <translation>不是 DataType.ini 中的数据类型</translation>
    </message>
    <message>
        <source>not an object type of ObjectType.ini</source>
        <extracomment>70027</extracomment>
        <translation>不是 ObjectType.ini 中的对象类型</translation>
    </message>
    <message>
        <source>an object with sub-indexes must be DEFSTRUCT, ARRAY or RECORD</source>
        <extracomment>70028</extracomment>
        <translation>带子索引的对象必须是 DEFSTRUCT、ARRAY 或 RECORD</translation>
    </message>
    <message>
        <source>not ro, wo, rw, rwr, rww or const</source>
        <extracomment>70029</extracomment>
        <translation>不是 ro、wo、rw、rwr、rww 或 const</translation>
    </message>
    <message>
        <source>Auto Test:  Automatically testing serial port.</source>
        <extracomment>70040</extracomment>
        <translation>自动测试：正在自动测试串口。</translation>
    </message>
    <message>
        <source>Auto Test:  Failure to automatically test serial port.</source>
        <extracomment>70041</extracomment>
        <translation>自动测试：自动测试串口失败。</translation>
    </message>
    <message>
        <source>Auto Test:  Success in automatically testing serial port %1: %2, %3, address %4.</source>
        <extracomment>70042</extracomment>
        <translation>自动测试：自动测试串口 %1 成功：%2，%3，地址 %4。</translation>
    </message>
    <message>
        <source>Auto Test:  Automatic test of serial port stopped.</source>
        <extracomment>70300</extracomment>
        <translation>自动测试：已停止自动测试串口。</translation>
    </message>
    <message>
        <source>Load File:  Failure to open serial port.</source>
        <extracomment>70043</extracomment>
        <translation>载入文件：打开串口失败。</translation>
    </message>
    <message>
        <source>Load File:  Failure to connect with VFD motor drive.</source>
        <extracomment>70044</extracomment>
        <translation>载入文件：与变频器连接失败。</translation>
    </message>
    <message>
        <source>Load File:  Loading CANopen EDS file.</source>
        <extracomment>70045</extracomment>
        <translation>载入文件：正在载入 CANopen EDS 文件。</translation>
    </message>
    <message>
        <source>Load File:  Loading DeviceNet EDS file.</source>
        <extracomment>70046</extracomment>
        <translation>载入文件：正在载入 DeviceNet EDS 文件。</translation>
    </message>
    <message>
        <source>Load File:  Reading data from %1</source>
        <extracomment>70047</extracomment>
        <translation>载入文件：正在从 %1 读取数据</translation>
    </message>
    <message>
        <source>Load File:  Reading data from VFD motor drive.</source>
        <extracomment>70048</extracomment>
        <translation>载入文件：正在从变频器读取数据。</translation>
    </message>
    <message>
        <source>Load File:  File %1 has already been loaded.</source>
        <extracomment>70049</extracomment>
        <translation>载入文件：文件 %1 已经载入。</translation>
    </message>
    <message>
        <source>Load File:  Cannot read %1: %2</source>
        <extracomment>70050</extracomment>
        <translation>载入文件：无法读取 %1：%2</translation>
    </message>
    <message>
        <source>Load File:  EtherNet/IP EDS files are not generated from a drive; choose a model from the catalogue.</source>
        <extracomment>70051</extracomment>
        <translation>载入文件：EtherNet/IP EDS 文件不能从驱动器生成；请从目录中选择型号。</translation>
    </message>
    <message>
        <source>Load File:  The serial settings could not be saved in %1: %2</source>
        <extracomment>70052</extracomment>
        <translation>载入文件：串口设置无法保存到 %1：%2</translation>
    </message>
    <message>
        <source>Load File:  Configure.ini: bit rate &quot;%1&quot; is not one of the list; using 9600.</source>
        <extracomment>70053</extracomment>
        <translation>载入文件：Configure.ini：波特率“%1”不在列表中；使用 9600。</translation>
    </message>
    <message>
        <source>Load File:  Configure.ini: framing &quot;%1&quot; is not one of the list; using 8 N 2 RTU.</source>
        <extracomment>70054</extracomment>
        <translation>载入文件：Configure.ini：通信格式“%1”不在列表中；使用 8 N 2 RTU。</translation>
    </message>
    <message>
        <source>Load File:  Configure.ini: address &quot;%1&quot; is not 0 to 255; using 255.</source>
        <extracomment>70055</extracomment>
        <translation>载入文件：Configure.ini：地址“%1”不在 0 到 255 之间；使用 255。</translation>
    </message>
    <message>
        <source>Load File:  The template has no object 0x1018 with sub-indexes 2 and 3; its identity is not updated.</source>
        <extracomment>70056</extracomment>
        <translation>载入文件：模板中没有带子索引 2 和 3 的对象 0x1018；不更新其标识信息。</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>70057</extracomment>
        <translation>警告</translation>
    </message>
    <message>
        <source>Load File:  ManuDefine.ini [%1] gives no group index in key &quot;0&quot;; the group is left out.</source>
        <extracomment>70058</extracomment>
        <translation>载入文件：ManuDefine.ini [%1] 的键“0”中没有组索引；忽略该组。</translation>
    </message>
    <message>
        <source>Load File: Warning : Param[%1][%2]&apos;s minimum is greater than maximum.</source>
        <extracomment>70059</extracomment>
        <translation>载入文件：警告：Param[%1][%2] 的最小值大于最大值。</translation>
    </message>
    <message>
        <source>Load File: Warning : Param[%1][%2]&apos;s default value is not between the maximum and minimum.</source>
        <extracomment>70060</extracomment>
        <translation>载入文件：警告：Param[%1][%2] 的默认值不在最大值和最小值之间。</translation>
    </message>
    <message>
        <source>Load File: Warning : Param%1&apos;s minimum is greater than maximum.</source>
        <extracomment>70061</extracomment>
        <translation>载入文件：警告：Param%1 的最小值大于最大值。</translation>
    </message>
    <message>
        <source>Load File: Warning : Param%1&apos;s default value is not between the maximum and minimum.</source>
        <extracomment>70062</extracomment>
        <translation>载入文件：警告：Param%1 的默认值不在最大值和最小值之间。</translation>
    </message>
    <message>
        <source>Load File:  Object 0x%1: %2</source>
        <extracomment>70063</extracomment>
        <translation>载入文件：对象 0x%1：%2</translation>
    </message>
    <message>
        <source>key &quot;%1&quot; names no register; left out.</source>
        <extracomment>70064</extracomment>
        <translation>键“%1”未指定寄存器；已忽略。</translation>
    </message>
    <message>
        <source>register 0x%1 would be sub-index 0; left out.</source>
        <extracomment>70065</extracomment>
        <translation>寄存器 0x%1 将成为子索引 0；已忽略。</translation>
    </message>
    <message>
        <source>register 0x%1 repeats sub-index %2; left out.</source>
        <extracomment>70066</extracomment>
        <translation>寄存器 0x%1 与子索引 %2 重复；已忽略。</translation>
    </message>
    <message>
        <source>parameters past 254 are left out.</source>
        <extracomment>70067</extracomment>
        <translation>超过 254 个的参数已忽略。</translation>
    </message>
    <message>
        <source>Load File: Error occurs when reading register 0x%1.</source>
        <extracomment>70068</extracomment>
        <translation>载入文件：读取寄存器 0x%1 时出错。</translation>
    </message>
    <message>
        <source>WARNING: Error occurs when reading register 0x%1!</source>
        <extracomment>70069</extracomment>
        <translation>警告：读取寄存器 0x%1 时出错！</translation>
    </message>
    <message>
        <source>Value</source>
        <extracomment>70100</extracomment>
        <translation>值</translation>
    </message>
    <message>
        <source>File Title</source>
        <extracomment>70101</extracomment>
        <translation>文件标题</translation>
    </message>
    <message>
        <source>File Open Path</source>
        <extracomment>70102</extracomment>
        <translation>文件打开路径</translation>
    </message>
    <message>
        <source>File Save Path</source>
        <extracomment>70103</extracomment>
        <translation>文件保存路径</translation>
    </message>
    <message>
        <source>Index</source>
        <extracomment>70104</extracomment>
        <translation>索引</translation>
    </message>
    <message>
        <source>Parameter Name</source>
        <extracomment>70105</extracomment>
        <translation>参数名称</translation>
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
        <translation>默认值</translation>
    </message>
    <message>
        <source>Data Type</source>
        <extracomment>70109</extracomment>
        <translation>数据类型</translation>
    </message>
    <message>
        <source>Object Type</source>
        <extracomment>70110</extracomment>
        <translation>对象类型</translation>
    </message>
    <message>
        <source>Access Type</source>
        <extracomment>70111</extracomment>
        <translation>访问类型</translation>
    </message>
    <message>
        <source>Mappable</source>
        <extracomment>70112</extracomment>
        <translation>可映射</translation>
    </message>
    <message>
        <source>a double quote inside would end the text early</source>
        <extracomment>70030</extracomment>
        <translation>中间的双引号会使文本提前结束</translation>
    </message>
    <message>
        <source>&quot;,&quot;, &quot;;&quot;, &quot;$&quot; and an unclosed quote would split the entry</source>
        <extracomment>70031</extracomment>
        <translation>“,”、“;”、“$”和未闭合的引号会拆分该条目</translation>
    </message>
    <message>
        <source>&quot;;&quot;, &quot;$&quot; and an unclosed quote would cut the entry</source>
        <extracomment>70032</extracomment>
        <translation>“;”、“$”和未闭合的引号会截断该条目</translation>
    </message>
    <message>
        <source>the row needs %1 fields split by exactly %2 comma, and no &quot;;&quot; or &quot;$&quot; outside quotes</source>
        <extracomment>70033</extracomment>
        <translation>该行需要 %1 个字段，以恰好 %2 个逗号分隔，且引号外不能有“;”或“$”</translation>
    </message>
    <message>
        <source>the row needs %1 fields split by exactly %2 commas, and no &quot;;&quot; or &quot;$&quot; outside quotes</source>
        <extracomment>70034</extracomment>
        <translation>该行需要 %1 个字段，以恰好 %2 个逗号分隔，且引号外不能有“;”或“$”</translation>
    </message>
    <message>
        <source>%1 has already existed! Do you want to replace it?</source>
        <extracomment>70035</extracomment>
        <translation>%1 已存在！是否替换？</translation>
    </message>
    <message>
        <source>Do you want to delete this object?<byte value="xd"/>
%1<byte value="xd"/>
%2 is named by %3.</source>
        <extracomment>70036</extracomment>
        <translation>是否删除此对象？<byte value="xd"/>
%1<byte value="xd"/>
%2 被 %3 引用。</translation>
    </message>
    <message>
        <source>Index is from 1 to 65535.</source>
        <extracomment>70037</extracomment>
        <translation>索引范围为 1 到 65535。</translation>
    </message>
    <message>
        <source>Size, Bit and Path Size are from 0 to 65535.</source>
        <extracomment>70038</extracomment>
        <translation>Size、Bit 和 Path Size 的范围为 0 到 65535。</translation>
    </message>
    <message>
        <source>Edit:  IO_Info: %1</source>
        <extracomment>70039</extracomment>
        <translation>编辑：IO_Info：%1</translation>
    </message>
    <message>
        <source>Edit:  %1 has no Insert.</source>
        <extracomment>70080</extracomment>
        <translation>编辑：%1 不支持插入。</translation>
    </message>
    <message>
        <source>Edit:  %1 has no entry %2.</source>
        <extracomment>70081</extracomment>
        <translation>编辑：%1 中没有条目 %2。</translation>
    </message>
    <message>
        <source>not connection bits 0 to 3 (0 to 0x0F)</source>
        <extracomment>70082</extracomment>
        <translation>不是连接位 0 到 3（0 到 0x0F）</translation>
    </message>
    <message>
        <source>not a whole number from -32768 to 32767</source>
        <extracomment>70083</extracomment>
        <translation>不是 -32768 到 32767 之间的整数</translation>
    </message>
    <message>
        <source>not descriptor bits 0 to 6 (0 to 0x7F)</source>
        <extracomment>70084</extracomment>
        <translation>不是描述符位 0 到 6（0 到 0x7F）</translation>
    </message>
    <message>
        <source>not a data type of the list this parameter offers</source>
        <extracomment>70085</extracomment>
        <translation>不是此参数所提供列表中的数据类型</translation>
    </message>
    <message>
        <source>not a group from 1 to %1</source>
        <extracomment>70086</extracomment>
        <translation>不是 1 到 %1 之间的组</translation>
    </message>
    <message>
        <source>Edit:  Params: no parameter at row %1.</source>
        <extracomment>70087</extracomment>
        <translation>编辑：Params：第 %1 行没有参数。</translation>
    </message>
    <message>
        <source>State: %1, %2, %3, %4</source>
        <extracomment>70070</extracomment>
        <translation>状态：%1，%2，%3，%4</translation>
    </message>
    <message>
        <source>Open File:  %1 keeps %2 that Corvid does not edit; they are saved as read.</source>
        <extracomment>70113</extracomment>
        <translation>打开文件：%1 含有 Corvid 不编辑的 %2；保存时将按原样写回。</translation>
    </message>
    <message>
        <source>Do you want to delete this EDS file?
%1</source>
        <extracomment>61220</extracomment>
        <translation>是否删除此 EDS 文件？
%1</translation>
    </message>
    <message>
        <source>Save As: %1 (%2)</source>
        <extracomment>70014</extracomment>
        <translation>另存为：%1 (%2)</translation>
    </message>
    <message>
        <source>Do you want to delete this EDS file?
%1, with unsaved changes</source>
        <extracomment>70015</extracomment>
        <translation>是否删除此 EDS 文件？
%1，含未保存的更改</translation>
    </message>
    <message>
        <source>Remove File:  %1</source>
        <extracomment>70016</extracomment>
        <translation>移除文件：%1</translation>
    </message>
    <message>
        <source>Check:  %1, %2 in %3</source>
        <extracomment>70114</extracomment>
        <translation>检查：%3 中有 %1，%2</translation>
    </message>
    <message>
        <source>%1 error</source>
        <extracomment>70115</extracomment>
        <translation>%1 个错误</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <extracomment>70116</extracomment>
        <translation>%1 个错误</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <extracomment>70117</extracomment>
        <translation>%1 个警告</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <extracomment>70118</extracomment>
        <translation>%1 个警告</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <extracomment>70120</extracomment>
        <translation>编辑 %1</translation>
    </message>
    <message>
        <source>Edit %1 of %2</source>
        <extracomment>70121</extracomment>
        <translation>编辑 %2 的 %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <extracomment>70122</extracomment>
        <translation>删除 %1</translation>
    </message>
    <message>
        <source>Insert %1</source>
        <extracomment>70123</extracomment>
        <translation>插入 %1</translation>
    </message>
    <message>
        <source>Replace %1</source>
        <extracomment>70124</extracomment>
        <translation>替换 %1</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <extracomment>70125</extracomment>
        <translation>剪切 %1</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <extracomment>70126</extracomment>
        <translation>粘贴 %1</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Error occurs when loading help file.</source>
        <translation>载入帮助文件时出错。</translation>
    </message>
    <message>
        <source>Can&apos;t find file :%1.</source>
        <translation>找不到文件：%1。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Params</source>
        <translation>参数(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>新建(&amp;N)...</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save A&amp;ll</source>
        <translation>全部保存(&amp;L)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销 %1(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做 %1(&amp;R)</translation>
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
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
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
        <translation>帮助主题(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Revision History</source>
        <translation>修订历史(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;About Corvid...</source>
        <translation>关于 Corvid(&amp;A)...</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>最近的文件(&amp;F)</translation>
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
        <translation>打开</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
是否替换？</translation>
    </message>
    <message>
        <source>Save in &amp;Corvid Layout</source>
        <translation>以 Corvid 格式保存(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>检查(&amp;C)</translation>
    </message>
</context>
<context>
    <name>corvid::app::CAboutDialog</name>
    <message>
        <source>About Corvid</source>
        <translation>关于 Corvid</translation>
    </message>
    <message>
        <source>Corvid Version %1</source>
        <translation>Corvid 版本 %1</translation>
    </message>
    <message>
        <source>Release date: %1</source>
        <translation>发布日期：%1</translation>
    </message>
</context>
<context>
    <name>corvid::app::CBitsPopup</name>
    <message>
        <source>Supports Settable Path</source>
        <translation>支持可设置路径</translation>
    </message>
    <message>
        <source>Supports Enumerated Strings</source>
        <translation>支持枚举字符串</translation>
    </message>
    <message>
        <source>Supports Scaling</source>
        <translation>支持缩放</translation>
    </message>
    <message>
        <source>Supports Scaling Links</source>
        <translation>支持缩放链接</translation>
    </message>
    <message>
        <source>Read-only parameter</source>
        <translation>只读参数</translation>
    </message>
    <message>
        <source>Monitor Parameter</source>
        <translation>监视参数</translation>
    </message>
    <message>
        <source>Supports Extended Precision Scaling</source>
        <translation>支持扩展精度缩放</translation>
    </message>
    <message>
        <source>Poll</source>
        <translation>轮询</translation>
    </message>
    <message>
        <source>Strobe</source>
        <translation>选通</translation>
    </message>
    <message>
        <source>Change of State</source>
        <translation>状态变化</translation>
    </message>
    <message>
        <source>Cyclic</source>
        <translation>循环</translation>
    </message>
</context>
<context>
    <name>corvid::app::CFindBar</name>
    <message>
        <source>Whole word</source>
        <translation>全字匹配</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>查找(&amp;F)...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>查找下一个(&amp;N)</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>查找上一个(&amp;P)</translation>
    </message>
    <message>
        <source>Text or CANopen index</source>
        <translation>文本或 CANopen 索引</translation>
    </message>
    <message>
        <source>This file</source>
        <translation>本文件</translation>
    </message>
    <message>
        <source>All open files</source>
        <translation>所有打开的文件</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>查找：</translation>
    </message>
    <message>
        <source>No hits</source>
        <translation>未找到</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>第 %1 个，共 %2 个</translation>
    </message>
</context>
<context>
    <name>corvid::app::CHelpWindow</name>
    <message>
        <source>Corvid Help</source>
        <translation>Corvid 帮助</translation>
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
        <translation>类型掩码</translation>
    </message>
    <message>
        <source>Poll</source>
        <translation>轮询</translation>
    </message>
    <message>
        <source>Strobe</source>
        <translation>选通</translation>
    </message>
    <message>
        <source>Change of State</source>
        <translation>状态变化</translation>
    </message>
    <message>
        <source>Cyclic</source>
        <translation>循环</translation>
    </message>
    <message>
        <source>Select:</source>
        <translation>选择：</translation>
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
        <translation>位：</translation>
    </message>
    <message>
        <source>Default Input:</source>
        <translation>默认输入：</translation>
    </message>
    <message>
        <source>Default Output:</source>
        <translation>默认输出：</translation>
    </message>
    <message>
        <source>Name String:</source>
        <translation>名称字符串：</translation>
    </message>
    <message>
        <source>Path Size:</source>
        <translation>路径大小：</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>路径：</translation>
    </message>
    <message>
        <source>Help String:</source>
        <translation>帮助字符串：</translation>
    </message>
</context>
<context>
    <name>corvid::app::CInsertParamDialog</name>
    <message>
        <source>Insert parameter</source>
        <translation>插入参数</translation>
    </message>
    <message>
        <source>Parameter name:</source>
        <translation>参数名称：</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Insert options</source>
        <translation>插入选项</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>前面</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后面</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Parameter:</source>
        <translation>参数：</translation>
    </message>
    <message>
        <source>Insert into:</source>
        <translation>插入位置：</translation>
    </message>
    <message>
        <source>Link path size and path</source>
        <translation>链接路径大小和路径</translation>
    </message>
    <message>
        <source>Path:</source>
        <translation>路径：</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>大小：</translation>
    </message>
    <message>
        <source>Descriptor</source>
        <translation>描述符</translation>
    </message>
    <message>
        <source>Settable Path</source>
        <translation>可设置路径</translation>
    </message>
    <message>
        <source>Enumerated Strings</source>
        <translation>枚举字符串</translation>
    </message>
    <message>
        <source>Scaling</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Scaling Links</source>
        <translation>缩放链接</translation>
    </message>
    <message>
        <source>Read only parameter</source>
        <translation>只读参数</translation>
    </message>
    <message>
        <source>Monitor Parameter</source>
        <translation>监视参数</translation>
    </message>
    <message>
        <source>Extended Precision Scaling</source>
        <translation>扩展精度缩放</translation>
    </message>
    <message>
        <source>Data type and data size</source>
        <translation>数据类型和数据大小</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
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
        <translation>默认：</translation>
    </message>
    <message>
        <source>Mult:</source>
        <translation>乘数：</translation>
    </message>
    <message>
        <source>Div:</source>
        <translation>除数：</translation>
    </message>
    <message>
        <source>Base:</source>
        <translation>基数：</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>偏移：</translation>
    </message>
    <message>
        <source>Scaling links and precision</source>
        <translation>缩放链接和精度</translation>
    </message>
    <message>
        <source>Precision:</source>
        <translation>精度：</translation>
    </message>
    <message>
        <source>Units and help</source>
        <translation>单位和帮助</translation>
    </message>
    <message>
        <source>Units:</source>
        <translation>单位：</translation>
    </message>
    <message>
        <source>Help:</source>
        <translation>帮助：</translation>
    </message>
    <message>
        <source>Group and enum</source>
        <translation>组和枚举</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>组：</translation>
    </message>
    <message>
        <source>Enum:</source>
        <translation>枚举：</translation>
    </message>
</context>
<context>
    <name>corvid::app::CLanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>In order to make language setup effective, please restart the software!</source>
        <translation>请重新启动软件，使语言设置生效！</translation>
    </message>
</context>
<context>
    <name>corvid::app::CMainFrame</name>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>No row of this page shows this problem.</source>
        <translation>本页没有显示此问题的行。</translation>
    </message>
</context>
<context>
    <name>corvid::app::CMessageWindow</name>
    <message>
        <source>Message Window</source>
        <translation>消息窗口</translation>
    </message>
</context>
<context>
    <name>corvid::app::CNewFileDialog</name>
    <message>
        <source>New EDS File</source>
        <translation>新建 EDS 文件</translation>
    </message>
    <message>
        <source>Communication setting</source>
        <translation>通信设置</translation>
    </message>
    <message>
        <source>Select model</source>
        <translation>选择型号</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>状态：</translation>
    </message>
</context>
<context>
    <name>corvid::app::CObjectDialog</name>
    <message>
        <source>Object Category:</source>
        <translation>对象类别：</translation>
    </message>
    <message>
        <source>Mandatory</source>
        <translation>必需</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>可选</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>制造商</translation>
    </message>
    <message>
        <source>Mappable:</source>
        <translation>可映射：</translation>
    </message>
    <message>
        <source>Index:</source>
        <translation>索引：</translation>
    </message>
    <message>
        <source>(Hex)</source>
        <translation>（十六进制）</translation>
    </message>
    <message>
        <source>SubIndex:</source>
        <translation>子索引：</translation>
    </message>
    <message>
        <source>Parameter Name:</source>
        <translation>参数名称：</translation>
    </message>
    <message>
        <source>Object Type:</source>
        <translation>对象类型：</translation>
    </message>
    <message>
        <source>Access Type:</source>
        <translation>访问类型：</translation>
    </message>
    <message>
        <source>Data Type:</source>
        <translation>数据类型：</translation>
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
        <translation>默认值：</translation>
    </message>
</context>
<context>
    <name>corvid::app::CPageFilter</name>
    <message>
        <source>Filter:</source>
        <translation>筛选：</translation>
    </message>
</context>
<context>
    <name>corvid::app::CProblemsDock</name>
    <message>
        <source>Problems</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>File in front</source>
        <translation>当前文件</translation>
    </message>
    <message>
        <source>All open files</source>
        <translation>所有打开的文件</translation>
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
        <translation>错误</translation>
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
        <translation>文件</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>严重程度</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
</context>
<context>
    <name>corvid::app::CProjectWindow</name>
    <message>
        <source>Project Window</source>
        <translation>项目窗口</translation>
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
        <translation>新建文件(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Add Files...</source>
        <translation>添加文件(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Remove File</source>
        <translation>移除文件(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Collapse All</source>
        <translation>全部折叠(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Expand All</source>
        <translation>全部展开(&amp;E)</translation>
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
        <translation>全部不保存</translation>
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
        <translation>正在载入</translation>
    </message>
    <message>
        <source>Please waitting...</source>
        <translation>请稍候...</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Edits CANopen, DeviceNet and EtherNet/IP EDS files. Files given open at start.</source>
        <translation>编辑 CANopen、DeviceNet 和 EtherNet/IP EDS 文件。启动时打开给出的文件。</translation>
    </message>
    <message>
        <source>EDS files to open.</source>
        <translation>要打开的 EDS 文件。</translation>
    </message>
</context>
</TS>
